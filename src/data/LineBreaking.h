#pragma once
// Hard line breaks for fixed text shown in a narrow box.

#include <QString>

namespace lumora {

// Breaks every line of `text` that is wider than `columns` into shorter lines. A Chinese
// (any non-ASCII) character takes two columns and an ASCII one one, as their widths in
// the form font and their bytes in GBK go. Closing punctuation (，。、；：！？）” and
// the like) never starts a line: it stays at the end of the line before, one character
// beyond the width.
QString breakLongLines(const QString& text, int columns);

} // namespace lumora
