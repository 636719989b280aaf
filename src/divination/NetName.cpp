#include "divination/NetName.h"

#include "divination/HanziToPinyin.h"

#include <array>

namespace lumora {
namespace {

// The nickname reading converts to first letters, with "?" for a character without a reading.
constexpr int kPinyinOptions = kPinyinMarkUnmapped;
constexpr int kPinyinMaxLength = 255;

// clang-format off
// The trait of each last letter, a to z.
constexpr std::array<const char16_t*, 26> kTraits{
    u"好奇心强，专一",
    u"老实，沉默",
    u"可爱，较明显的自恋",
    u"温柔，乖巧",
    u"会拍马屁，攀关系",
    u"有抱负，志气高",
    u"大丈夫主义者",
    u"自立，自强，可依靠",
    u"有点懒惰",
    u"煽情高手",
    u"古怪，求新",
    u"圆滑",
    u"反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    u"不贪图安逸，能想到别人想不到的东西",
    u"勤劳肯干，活跃",
    u"认为朋友和恋人是最重要的，是他们的特点",
    u"超级赶时髦者，无敌扫旧派",
    u"固执，略有才气",
    u"心胸宽大，有深藏不露的自恋",
    u"热爱青春，喜欢活力",
    u"不耻下问",
    u"好静，有点表里不一",
    u"比较糊涂，容易感情用事",
    u"有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    u"乐天派呀！非同一般的乐天",
    u"老实，想问题容易兜圈子",
};
// clang-format on

// Digits stand for letters: 1 for A … 9 for I, and 0 for J.
QChar letterOfDigit(QChar digit)
{
    return digit == u'0' ? QChar(u'J') : QChar(u'A' + (digit.unicode() - u'1'));
}

} // namespace

QString NetNameTrait(const QString& name)
{
    if (name.isEmpty())
        return {};
    const QString initials = HanziToPinyin(name, kPinyinOptions, kPinyinMaxLength);
    if (initials.isEmpty())
        return {};
    // Only the last character decides, so only it needs its digit turned into a letter.
    QChar last = initials.back();
    if (last >= u'0' && last <= u'9')
        last = letterOfDigit(last);
    const char16_t letter = last.toLower().unicode();
    if (letter < u'a' || letter > u'z')
        return {};
    return QString::fromUtf16(kTraits[static_cast<std::size_t>(letter - u'a')]);
}

QString upperCaseLatin(QString name)
{
    for (QChar& c : name) {
        if (c.script() == QChar::Script_Latin)
            c = c.toUpper();
    }
    return name;
}

} // namespace lumora
