#pragma once
// A label that shows one line of a value read from a data file.

#include <QString>

class QLabel;

namespace lumora {

// The most characters a one-line label shows; no screen is wide enough for more.
inline constexpr qsizetype kOneLineLabelLimit = 1000;

// Sets the label's text, cut after kOneLineLabelLimit characters with "…": a label lays
// its whole text out for every size hint and paint, which takes seconds for a million
// characters.
void setOneLineText(QLabel& label, const QString& text);

} // namespace lumora
