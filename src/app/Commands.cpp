#include "app/Commands.h"

#include "almanac/UntJiDay.h"
#include "almanac/UntJihunDay.h"
#include "almanac/UntOnther.h"
#include "almanac/lumora.h"
#include "app/ShellTargets.h"
#include "app/Uabout.h"
#include "app/Unt_Main.h"
#include "app/Unt_servers.h"
#include "calendar/DateWin.h"
#include "calendar/Untabt.h"
#include "divination/SxPeid.h"
#include "divination/UntQQ.h"
#include "divination/UntWangm.h"
#include "divination/Unt_sjcs.h"
#include "divination/Untonteher.h"
#include "forms/Opener.h"
#include "platform/Platform.h"

#include <QUrl>

#include <algorithm>
#include <array>

namespace lumora {
namespace {

using Run = void (*)(TFrmmain&, const QString&);

template <void (*Open)()> void opening(TFrmmain&, const QString&)
{
    Open();
}

template <const char* Target> void openingTarget(TFrmmain&, const QString&)
{
    platform().openUrl(QUrl(QString::fromUtf8(Target)));
}

// The body-sign window's caption for each of its pages.
constexpr std::array<const char16_t*, 7> kBodySignTitles{
    u"打喷嚏占卜吉凶", u"面热测吉凶", u"心惊测吉凶", u"犬吠测吉凶", u"眼跳测吉凶", u"耳热测吉凶", u"耳鸣测吉凶",
};

template <int Page> void openingBodySign(TFrmmain&, const QString&)
{
    ShowBodySignDivination(QString::fromUtf16(kBodySignTitles[Page]), Page);
}

void exitingSystem(TFrmmain& main, const QString&)
{
    main.dxBarButton5Click();
}

void openingDailyAlmanac(TFrmmain&, const QString&)
{
    ShowDailyAlmanac();
}

void openingActivitySearch(TFrmmain&, const QString& caption)
{
    ShowAuspiciousDaySearch(caption, 0);
}

void openingAbout()
{
    openReplacing(About);
}

void openingCustomerService()
{
    openReplacing(Frm_servers);
}

void tellingTheVersionIsCurrent(TFrmmain&, const QString&)
{
    platform().showTip(QStringLiteral("感谢你的使用,软件是最新版无需升级!"));
}

// clang-format off
constexpr std::array kCommands{
    Command{CommandId::ExitSystem,        "dxBarButton5",             u"退出系统",     &exitingSystem},
    Command{CommandId::DailyAlmanac,      "DailyAlmanacCommand",      u"黄道吉日",     &openingDailyAlmanac},
    Command{CommandId::ActivitySearch,    "ActivitySearchCommand",    nullptr,         &openingActivitySearch},
    Command{CommandId::WeddingSearch,     "WeddingSearchCommand",     u"结婚吉日",     &opening<&ShowWeddingDaySearch>},
    Command{CommandId::StarSignPairing,   "StarSignPairingCommand",   u"星座配对",     nullptr},
    Command{CommandId::ZodiacPairing,     "ZodiacPairingCommand",     u"生肖配对",     &opening<&openZodiacPairingWindow>},
    Command{CommandId::BloodTypePairing,  "BloodTypePairingCommand",  u"血型配对",     nullptr},
    Command{CommandId::DreamAnalysis,     "DreamAnalysisCommand",     u"周公解析",     nullptr},
    Command{CommandId::DreamBook,         "DreamBookCommand",         u"解梦全书",     nullptr},
    Command{CommandId::Sneeze,            "SneezeCommand",            u"打喷嚏占卜",   &openingBodySign<0>},
    Command{CommandId::HotFace,           "HotFaceCommand",           u"面热测占卜",   &openingBodySign<1>},
    Command{CommandId::StartledHeart,     "StartledHeartCommand",     u"心惊测占卜",   &openingBodySign<2>},
    Command{CommandId::DogBarking,        "DogBarkingCommand",        u"犬吠测占卜",   &openingBodySign<3>},
    Command{CommandId::EyeTwitch,         "EyeTwitchCommand",         u"眼跳测占卜",   &openingBodySign<4>},
    Command{CommandId::HotEars,           "HotEarsCommand",           u"耳热测占卜",   &openingBodySign<5>},
    Command{CommandId::RingingEars,       "RingingEarsCommand",       u"耳鸣测占卜",   &openingBodySign<6>},
    Command{CommandId::PhoneNumber,       "PhoneNumberCommand",       u"手机号码分析", &opening<&openPhoneNumberWindow>},
    Command{CommandId::QQNumber,          "QQNumberCommand",          u"QQ号码分析",   &opening<&openQQNumberWindow>},
    Command{CommandId::AnyNumber,         "AnyNumberCommand",         u"更多数字分析", &opening<&openAnyNumberWindow>},
    Command{CommandId::NetName,           "NetNameCommand",           u"网名分析",     &opening<&openNetNameWindow>},
    Command{CommandId::ConceptionChart,   "ConceptionChartCommand",   u"生男生女",     &opening<&openConceptionChart>},
    Command{CommandId::PerpetualCalendar, "PerpetualCalendarCommand", u"万年历法",     &opening<&openPerpetualCalendar>},
    Command{CommandId::CustomerService,   "CustomerServiceCommand",   u"客户服务",     &opening<&openingCustomerService>},
    Command{CommandId::MailUs,            "MailUsCommand",            u"给我们发邮件", &openingTarget<shell::kSupportMail>},
    Command{CommandId::QQChat,            "QQChatCommand",            u"与QQ对话",     &openingTarget<shell::kSupportChat>},
    Command{CommandId::HomePage,          "HomePageCommand",          u"公司主页",     &openingTarget<shell::kHomePage>},
    Command{CommandId::About,             "AboutCommand",             u"关于系统",     &opening<&openingAbout>},
    Command{CommandId::Upgrade,           "UpgradeCommand",           u"软件升级",     &tellingTheVersionIsCurrent},
};
// clang-format on

// The table is in the order of the ids, so an id is its own index.
consteval bool inIdOrder()
{
    for (std::size_t index = 0; index < kCommands.size(); ++index)
        if (static_cast<std::size_t>(kCommands[index].id) != index)
            return false;
    return true;
}
static_assert(inIdOrder());

} // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const Command& command(CommandId id)
{
    return kCommands[static_cast<std::size_t>(id)];
}

QString captionOf(CommandId id)
{
    const char16_t* caption = command(id).caption;
    return caption ? QString::fromUtf16(caption) : QString();
}

void runCommand(CommandId id, TFrmmain& main, const QString& caption)
{
    if (const Run run = command(id).run)
        run(main, caption);
}

} // namespace lumora
