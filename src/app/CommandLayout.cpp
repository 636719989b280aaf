#include "app/CommandLayout.h"

#include <array>

namespace lumora {
namespace {

using Kind = MenuEntry::Kind;

constexpr MenuEntry entry(CommandId id)
{
    return {Kind::Command, id, nullptr};
}

constexpr MenuEntry idle(const char16_t* caption)
{
    return {Kind::Idle, CommandId{}, caption};
}

constexpr MenuEntry kSeparator{Kind::Separator, CommandId{}, nullptr};

constexpr std::array kSystemMenu{entry(CommandId::ExitSystem)};

// The activity entries here do nothing: the search is reached through the buttons only.
constexpr std::array kDaysMenu{
    entry(CommandId::DailyAlmanac),
    idle(u"吉日查询"),
    kSeparator,
    idle(u"开市吉日"),
    idle(u"交易吉日"),
    idle(u"嫁娶吉日"),
    idle(u"入宅吉日"),
    idle(u"入学吉日"),
    idle(u"纳财吉日"),
    idle(u"订盟吉日"),
    idle(u"安门吉日"),
    idle(u"出行吉日"),
    idle(u"开光吉日"),
    idle(u"求嗣吉日"),
    idle(u"祈福吉日"),
    idle(u"破土吉日"),
    idle(u"祭祀吉日"),
    idle(u"安葬吉日"),
};

constexpr std::array kOmensMenu{
    idle(u"占元旦日阴晴"),  idle(u"占元旦值十干"),  idle(u"占四季甲子日雨"), idle(u"占立春 春分日"),
    idle(u"占立夏 夏至日"), idle(u"占立秋 秋分日"), idle(u"占立冬 冬至日"),  idle(u"占雷鸣日"),
    idle(u"占天"),          idle(u"占云"),          idle(u"占风"),           idle(u"占日"),
    idle(u"占火"),          idle(u"占雾"),          idle(u"占雷电"),         idle(u"占鹊噪"),
    idle(u"占彩虹"),        idle(u"占灯花"),
};

constexpr std::array kFengShuiMenu{
    idle(u"风水择日口诀"),       idle(u"风水择日之入殓安葬的呼"), idle(u"风水择日之逐日大殓吉时"),
    idle(u"风水择日之若干五行"), idle(u"论风水择日之贵人禄马"),   idle(u"论风水择日之补山相主"),
    idle(u"风水择日之竖造论用"), idle(u"风水择日之安葬论用"),
};

constexpr std::array kChoosingMenu{
    idle(u"择日之法"),
    idle(u"择日步骤方法"),
    idle(u"正五行择日法"),
    idle(u"二十八宿吉凶"),
    idle(u"三元五腊圣诞日期"),
    idle(u"六十甲子亡命安葬..."),
    idle(u"董公择日法"),
    idle(u"二十八宿值日占..."),
    idle(u"金符经"),
    MenuEntry{Kind::SubMenu, CommandId{}, u"风水择日", kFengShuiMenu},
    idle(u"神像开光择日"),
    idle(u"企业开张择日"),
    idle(u"动土装修装饰择日"),
    idle(u"入宅搬迁择日"),
    idle(u"嫁娶择日之玉历碎金赋"),
    idle(u"择日之嫁娶论用"),
    idle(u"嫁娶择日要论"),
    idle(u"安灶修厨之择日"),
    idle(u"择日之论朱雀入宫"),
};

constexpr std::array kPairingMenu{
    entry(CommandId::StarSignPairing),
    entry(CommandId::ZodiacPairing),
    entry(CommandId::BloodTypePairing),
};

constexpr std::array kDreamsMenu{entry(CommandId::DreamAnalysis), entry(CommandId::DreamBook)};

constexpr std::array kDivinationMenu{
    entry(CommandId::Sneeze),      entry(CommandId::HotFace),   entry(CommandId::StartledHeart),
    entry(CommandId::DogBarking),  entry(CommandId::EyeTwitch), entry(CommandId::HotEars),
    entry(CommandId::RingingEars),
};

constexpr std::array kToolsMenu{
    entry(CommandId::PhoneNumber),
    entry(CommandId::QQNumber),
    entry(CommandId::AnyNumber),
    entry(CommandId::NetName),
    kSeparator,
    entry(CommandId::ConceptionChart),
    entry(CommandId::PerpetualCalendar),
};

constexpr std::array kServiceMenu{
    entry(CommandId::CustomerService),
    entry(CommandId::MailUs),
    entry(CommandId::QQChat),
};

constexpr std::array kHelpMenu{entry(CommandId::HomePage), entry(CommandId::About), kSeparator,
                               entry(CommandId::Upgrade)};

constexpr std::array kMenus{
    MenuLayout{u"系统(&S)", "SystemMenu", kSystemMenu},         MenuLayout{u"吉日(&D)", "DaysMenu", kDaysMenu},
    MenuLayout{u"日卜(&R)", "OmensMenu", kOmensMenu},           MenuLayout{u"择日(&Z)", "ChoosingMenu", kChoosingMenu},
    MenuLayout{u"配对(&P)", "PairingMenu", kPairingMenu},       MenuLayout{u"解梦(&Q)", "DreamsMenu", kDreamsMenu},
    MenuLayout{u"占卜(&B)", "DivinationMenu", kDivinationMenu}, MenuLayout{u"工具(&G)", "ToolsMenu", kToolsMenu},
    MenuLayout{u"服务(&F)", "ServiceMenu", kServiceMenu},       MenuLayout{u"帮助(&H)", "HelpMenu", kHelpMenu},
};

// "栽种吉日" and "安香吉日" stand on two buttons each.
constexpr std::array<const char16_t*, 54> kActivityButtons{
    u"开市吉日", u"交易吉日", u"结婚吉日", u"入宅吉日", u"入学吉日", u"纳财吉日", u"订盟吉日", u"安门吉日", u"出行吉日",
    u"开光吉日", u"求嗣吉日", u"祈福吉日", u"破土吉日", u"祭祀吉日", u"安葬吉日", u"求医吉日", u"解除吉日", u"破屋吉日",
    u"塑绘吉日", u"纳采吉日", u"除服吉日", u"成服吉日", u"纳婿吉日", u"入殓吉日", u"立碑吉日", u"出火吉日", u"修造吉日",
    u"动土吉日", u"造桥吉日", u"栽种吉日", u"栽种吉日", u"牧养吉日", u"纳畜吉日", u"移徙吉日", u"盖屋吉日", u"安床吉日",
    u"起基吉日", u"安香吉日", u"挂匾吉日", u"拆卸吉日", u"置产吉日", u"沐浴吉日", u"捕捉吉日", u"理发吉日", u"修坟吉日",
    u"问名吉日", u"裁衣吉日", u"作灶吉日", u"安香吉日", u"上梁吉日", u"扫舍吉日", u"习艺吉日", u"结网吉日", u"合帐吉日",
};

constexpr std::array kToolButtons{
    CommandId::StarSignPairing, CommandId::ZodiacPairing,   CommandId::BloodTypePairing,
    CommandId::DreamAnalysis,   CommandId::DreamBook,       CommandId::Sneeze,
    CommandId::HotFace,         CommandId::StartledHeart,   CommandId::DogBarking,
    CommandId::EyeTwitch,       CommandId::HotEars,         CommandId::RingingEars,
    CommandId::PhoneNumber,     CommandId::QQNumber,        CommandId::AnyNumber,
    CommandId::NetName,         CommandId::ConceptionChart, CommandId::PerpetualCalendar,
};

} // namespace

std::span<const MenuLayout> menuLayouts()
{
    return kMenus;
}

std::span<const char16_t* const> activityButtonCaptions()
{
    return kActivityButtons;
}

CommandId activityButtonCommand(const QString& caption)
{
    return caption == captionOf(CommandId::WeddingSearch) ? CommandId::WeddingSearch : CommandId::ActivitySearch;
}

std::span<const CommandId> toolButtonCommands()
{
    return kToolButtons;
}

} // namespace lumora
