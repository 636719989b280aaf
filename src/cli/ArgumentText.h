#pragma once
// How complaints show what the user typed: every message that echoes an argument goes
// through shownArgument, so a stray newline or an invisible character is seen, not hidden.

#include <QString>
#include <QStringView>

namespace lumora::cli {

// True when the text holds a blank (any space, the ASCII one included), a line break, a
// control or an invisible format character, or a broken UTF-16 sequence.
bool holdsBlankOrControl(QStringView text);

// The argument in single quotes, at most 40 characters of it followed by "…" when longer;
// \n, \r, \t, \\ and \' as such, other control, format and space characters (all but the
// ASCII space) as \xNN below U+0100 and \u{XXXX} above.
QString shownArgument(QStringView text);

// "'2015-6-9\n' holds a blank or a control character", for any command to prefix.
QString blankOrControlComplaint(QStringView text);

} // namespace lumora::cli
