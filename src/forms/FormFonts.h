#pragma once
// The faces the forms name, resolved to installed faces with Simplified Chinese shapes
// whatever the locale: where a named face is missing, fontconfig's own choice follows
// the locale and gives Japanese shapes under a non-Chinese one.

#include <QFont>
#include <QString>

namespace lumora {

enum class FormFace {
    Song,       // 宋体: the default face of every window
    Kai,        // 楷体_GB2312
    Li,         // 隶书
    Hei,        // 黑体
    Arial,      // Arial
    ArialBlack, // Arial Black
};

// The face's name as the forms give it ("宋体").
QString formFaceName(FormFace face);

// The face at a pixel size (the forms' sizes are pixels unless said otherwise).
QFont formFont(FormFace face, int pixelSize, QFont::Weight weight = QFont::Normal);

// The default font of every window: 宋体 at 12 pixels.
QFont defaultFormFont();

// Teaches the font database the stand-ins for the named faces, once per process;
// formFont() does it on first use, the application at start-up.
void installFormFaceSubstitutes();

} // namespace lumora
