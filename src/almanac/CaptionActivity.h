#pragma once

#include <QString>

namespace lumora {

// The activity an auspicious-day window's caption names: its first four bytes in GBK, the
// program's code page, so the first two characters of "开市吉日" (开市), but "AB开" of
// "AB开市". The caption is not trimmed. A character that would be cut in half is left out
// ("ABC开市" gives "ABC").
QString activityOfCaption(const QString& caption);

} // namespace lumora
