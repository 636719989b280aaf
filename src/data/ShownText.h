#pragma once

#include <QString>

namespace lumora {

// Text the user typed or pasted, as a message quotes it: control, format and line-separating
// characters written as \n, \r, \t or \u{XXXX} so they are seen, and a long paste cut after
// 40 characters with "…".
QString shownText(const QString& text);

} // namespace lumora
