#include "data/NumberReading.h"

namespace lumora {
namespace {

struct Split {
    QString before;
    QString after;
};

// At the first "|": what precedes it and what follows it; with no "|", nothing before and
// the whole text after.
Split splitAtBar(const QString& text)
{
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {QString(), text};
    return {text.first(bar), text.sliced(bar + 1)};
}

} // namespace

NumberReading splitNumberReading(const QString& entry)
{
    const Split first = splitAtBar(entry);
    const Split second = splitAtBar(first.after);
    return NumberReading{first.before, second.before, second.after};
}

} // namespace lumora
