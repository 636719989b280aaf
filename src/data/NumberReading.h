#pragma once
// A numerology reading taken apart into the three result lines the number windows show.

#include <QString>

namespace lumora {

struct NumberReading {
    QString summary;
    QString verdict;
    QString personality;
};

// Splits an entry at its first and second "|"; where a "|" is missing the part before it is
// empty and the part after it is the whole remaining text (so the fallback text lands whole
// in personality).
NumberReading splitNumberReading(const QString& entry);

} // namespace lumora
