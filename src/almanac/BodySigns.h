#pragma once
// The body-sign readings: for each of seven bodily signs (a sneeze, a hot face, a start of
// the heart, a dog's barking, a twitching eye, hot ears, ringing ears) a fixed text that
// reads the sign by the double-hour at which it happens. The window and `lumora-cli
// bodysign` show the same pages.

#include <QString>
#include <QStringList>

namespace lumora {

// Pages are numbered 0 (sneezing) to 6 (ringing ears).
inline constexpr int kBodySignPageCount = 7;

bool isBodySignPage(int page);

// The page's lines, in order; empty for a number that is no page.
QStringList bodySignLines(int page);

// The page as shown: one empty line between two lines, none after the last; empty for a
// number that is no page.
QString bodySignText(int page);

} // namespace lumora
