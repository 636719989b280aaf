#include "forms/FormFonts.h"

#include <QStringList>

#include <array>
#include <mutex>

namespace lumora {
namespace {

struct FaceStandIns {
    FormFace face;
    const char16_t* name;
    // Installed faces tried in order when the named one is missing (Debian's
    // fonts-noto-cjk, fonts-noto-cjk-extra and fonts-arphic-* carry them).
    std::array<const char16_t*, 2> standIns;
};

// clang-format off
constexpr std::array<FaceStandIns, 6> kFaces{{
    {FormFace::Song,       u"宋体",        {u"Noto Serif CJK SC", u"AR PL UMing CN"}},
    {FormFace::Kai,        u"楷体_GB2312", {u"AR PL UKai CN",     u"Noto Serif CJK SC"}},
    // No free 隶书 exists; a brush-drawn Kai is the nearest in spirit.
    {FormFace::Li,         u"隶书",        {u"AR PL UKai CN",     u"Noto Serif CJK SC"}},
    {FormFace::Hei,        u"黑体",        {u"Noto Sans CJK SC",  u"AR PL UMing CN"}},
    {FormFace::Arial,      u"Arial",       {u"Noto Sans CJK SC",  u"DejaVu Sans"}},
    // Asked for at QFont::Black, this picks the Black weight of the Noto family.
    {FormFace::ArialBlack, u"Arial Black", {u"Noto Sans CJK SC",  u"DejaVu Sans"}},
}};
// clang-format on

constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < kFaces.size(); ++i) {
        if (static_cast<std::size_t>(kFaces[i].face) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(), "kFaces is indexed by FormFace");

const FaceStandIns& entryOf(FormFace face)
{
    return kFaces[static_cast<std::size_t>(face)];
}

} // namespace

QString formFaceName(FormFace face)
{
    return QString::fromUtf16(entryOf(face).name);
}

void installFormFaceSubstitutes()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        for (const FaceStandIns& entry : kFaces) {
            QStringList standIns;
            for (const char16_t* standIn : entry.standIns)
                standIns << QString::fromUtf16(standIn);
            QFont::insertSubstitutions(QString::fromUtf16(entry.name), standIns);
        }
    });
}

QFont formFont(FormFace face, int pixelSize, QFont::Weight weight)
{
    installFormFaceSubstitutes();
    QFont font(formFaceName(face));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QFont defaultFormFont()
{
    return formFont(FormFace::Song, 12);
}

} // namespace lumora
