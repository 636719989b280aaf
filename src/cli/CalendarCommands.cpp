#include "calendar/ConceptionChart.h"
#include "calendar/DateCn.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/MonthGrid.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>

#include <optional>

#include <unistd.h>

namespace lumora::cli {
namespace {

// The years the lunar tables cover, which the month view is limited to.
constexpr int kFirstCalendarYear = 1901;
constexpr int kLastCalendarYear = 2050;

std::optional<QDate> parseIsoDate(const QString& text)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = iso.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

int notADate(QTextStream& err, const QString& text)
{
    err << "calendar: '" << text << "' is not a date of the form YYYY-MM-DD\n";
    return ExitBadInput;
}

// Colours only for a person at a terminal; a pipe or a file gets plain text.
bool writesToTerminal(const QTextStream& out)
{
    const auto* file = qobject_cast<const QFile*>(out.device());
    return file != nullptr && file->handle() >= 0 && isatty(file->handle()) == 1;
}

void writeCalendarLine(QTextStream& out, const QDate& date)
{
    const QChar tab = u'\t';
    out << date.toString(Qt::ISODate) << tab << CnDateOf(date) << tab
        << SolarTermOf(date.year(), date.month(), date.day()) << tab << CnMonthName(date) << tab << CnDayName(date)
        << tab << CnFestival(date) << tab << CnZodiacName(date) << tab << SolarTermName(date) << tab
        << GregFestival(date.day(), date) << tab << ConstellationName(date) << '\n';
}

} // namespace

int calendar(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty() || args.size() > 2) {
        err << "usage: lumora-cli calendar FROM [TO]   (dates as YYYY-MM-DD)\n";
        return ExitBadInput;
    }
    const QString& fromText = args[0];
    const QString& toText = args.size() == 2 ? args[1] : args[0];
    const std::optional<QDate> from = parseIsoDate(fromText);
    if (!from)
        return notADate(err, fromText);
    const std::optional<QDate> to = parseIsoDate(toText);
    if (!to)
        return notADate(err, toText);
    if (*to < *from) {
        err << "calendar: TO " << toText << " lies before FROM " << fromText << '\n';
        return ExitBadInput;
    }
    for (QDate date = *from; date <= *to; date = date.addDays(1))
        writeCalendarLine(out, date);
    return ExitOk;
}

int month(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2) {
        err << "usage: lumora-cli month YEAR MONTH\n";
        return ExitBadInput;
    }
    bool yearOk = false;
    bool monthOk = false;
    const int year = args[0].toInt(&yearOk);
    const int monthNumber = args[1].toInt(&monthOk);
    if (!yearOk || !monthOk || year < kFirstCalendarYear || year > kLastCalendarYear || monthNumber < 1 ||
        monthNumber > 12) {
        err << "month: the calendar shows years 1901 to 2050 and months 1 to 12, not " << args[0] << ' ' << args[1]
            << '\n';
        return ExitBadInput;
    }
    out << monthGridText(year, monthNumber, writesToTerminal(out));
    return ExitOk;
}

int chart(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty()) {
        err << "usage: lumora-cli chart\n";
        return ExitBadInput;
    }
    out << conceptionChartText() << '\n';
    return ExitOk;
}

} // namespace lumora::cli
