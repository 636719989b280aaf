#include "almanac/BodySigns.h"

#include <array>
#include <span>
#include <string_view>

namespace lumora {
namespace {

// The readings as the almanac tradition words them, kept character for character: the
// odd punctuation (a "；" after 丑时, a blank before a full stop), the blanks inside the
// clock spans and the characters 镅 and 已 are part of the text.
// clang-format off
constexpr std::array<std::u16string_view, 12> kSneezing{
    u"凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
    u"凌晨3 点-凌晨5点 有人前来相约食饭。",
    u"早上5 点-早上7点 有财运到来或有人找你询问事情。",
    u"早上 7点-早上9点 有人请食饭、大喜之事将发生。",
    u"早上9点-中午11点 有朋友将前来求财。",
    u"中午11点-下午1点 有贵客到来，你会为远方来宾举行宴会。",
    u"下午 1点-下午3点 有人请食饭，吉利之事将会降临你身。",
    u"下午 3点-下午5点 小心饮食。",
    u"下午 5点-晚上7点 有异性前来相求、询问事情。",
    u"晚上 7点-晚上9点 你会思念一位异性、希望和好如初。",
    u"晚上9点-晚上11点 有惊无险，虚惊一场。",
    u"晚上11点-凌晨1点 有人欢朋宴客。",
};
constexpr std::array<std::u16string_view, 6> kHotFace{
    u"子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
    u"丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。",
    u"寅时：主有远客，来聚会吉。  申时：主有贵人，会道想见。",
    u"卯时：主有饮食，及友人来。  酉时：主有远人，相会大吉。",
    u"辰时：主有远客，喜事相逢。  戌时：主有酒食，自送来事。",
    u"巳时：主有要事，人相大吉。  亥时：主有官非，口舌之事。",
};
constexpr std::array<std::u16string_view, 6> kStartledHeart{
    u"子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。",
    u"丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。",
    u"寅时：主有远客，饮食大吉。 申时：主有贵人，会道想见。",
    u"卯时：主有饮食，及友人来。 酉时：主有大喜，之信至吉。",
    u"辰时：主有成客，喜事大吉。 戌时：主有贵人，即至大吉。",
    u"巳时：主有女思，及喜事至。 亥时：主有丧服，及恶梦凶。",
};
constexpr std::array<std::u16string_view, 6> kDogBarking{
    u"子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。",
    u"丑时；主心中有，忧疑之事。 未时：主妻外心，有破财喜。",
    u"寅时：主失得财，帛大吉利。 申时：主家宅内，小口事凶。",
    u"卯时：主失雄心，得财利来。 酉时：主加官禄，有得财吉。",
    u"辰时：主有财喜，大事通吉。 戌时：主有口舌，招灾事凶。",
    u"巳时：主亲人来，及有信至。 亥时：主有官司，词讼随后。",
};
constexpr std::array<std::u16string_view, 6> kTwitchingEye{
    u"子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
    u"丑时：左有忧人，右有人恩。未时：左主吉昌，右有中喜。",
    u"寅时：左远人来，右若事至。申时：左有损财，右有女思。",
    u"卯时：左贵客来，右平安进。酉时：左有客来，右远客至。",
    u"辰时：左远客来，右主损害。戌时：左有客至，右主聚会。",
    u"巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。",
};
constexpr std::array<std::u16string_view, 6> kHotEars{
    u"子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。",
    u"丑时：主有喜事，临身夺吉。未时：主有客至，相求之事。",
    u"寅时：主有饮食，相会大吉。申时：主有喜享，酒食宴乐。",
    u"卯时：主有远人，来相见吉。酉时：主有人来，言婚姻事。",
    u"辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。",
    u"已时：主有财物，之事不利。亥时：主有官非，词讼之事。",
};
constexpr std::array<std::u16string_view, 6> kRingingEars{
    u"子时：左主女思，右主失财。丑时：左主口舌，右主争讼。",
    u"寅时：左主失财，右主心急。未时：左主饮食，右主人来。",
    u"卯时：左主饮食，右主室至。申时：左主行人，右主喜事。",
    u"辰时：左主远行，右主室至。酉时：左主失财，右主大吉。",
    u"巳时：左主凶事，右主大吉。戌时：左主饮食，右主客至。",
    u"午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。",
};
// clang-format on

constexpr std::array<std::span<const std::u16string_view>, kBodySignPageCount> kPages{
    kSneezing, kHotFace, kStartledHeart, kDogBarking, kTwitchingEye, kHotEars, kRingingEars,
};

} // namespace

bool isBodySignPage(int page)
{
    return page >= 0 && page < kBodySignPageCount;
}

QStringList bodySignLines(int page)
{
    QStringList lines;
    if (!isBodySignPage(page))
        return lines;
    for (const std::u16string_view line : kPages[page])
        lines << QString::fromUtf16(line.data(), qsizetype(line.size()));
    return lines;
}

QString bodySignText(int page)
{
    return bodySignLines(page).join(QStringLiteral("\n\n"));
}

} // namespace lumora
