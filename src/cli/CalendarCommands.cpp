#include "calendar/ConceptionChart.h"
#include "calendar/DateCn.h"
#include "cli/ArgumentText.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/DateArguments.h"
#include "cli/MonthGrid.h"

#include <QDate>

namespace lumora::cli {
namespace {

// The fields in the order of the command table's calendar columns.
void writeCalendarLine(QTextStream& out, const QDate& date)
{
    const QChar tab = u'\t';
    out << date.toString(Qt::ISODate) << tab << CnDateOf(date) << tab
        << SolarTermOf(date.year(), date.month(), date.day()) << tab << CnMonthName(date) << tab << CnDayName(date)
        << tab << CnFestival(date) << tab << CnZodiacName(date) << tab << SolarTermName(date) << tab
        << GregFestival(date.day(), date) << tab << ConstellationName(date) << '\n';
}

} // namespace

int calendar(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    const qsizetype argCount = invocation.args.size();
    const DateArguments parsed = parseDateArguments(invocation.args, argCount == 2 || argCount == 6 ? 2 : 1);
    if (const auto* complaint = std::get_if<DateArgumentComplaint>(&parsed)) {
        if (complaint->kind == DateArgumentComplaint::Kind::WrongCount)
            return usageComplaint(invocation, err);
        err << "calendar: " << complaint->message << '\n';
        return ExitBadInput;
    }
    const QList<DateArgument>& dates = std::get<QList<DateArgument>>(parsed);
    const DateArgument& from = dates.first();
    const DateArgument& to = dates.last();
    if (to.date < from.date) {
        err << "calendar: TO " << to.dateText << " lies before FROM " << from.dateText << '\n';
        return ExitBadInput;
    }
    for (const DateArgument& date : dates) {
        if (!inCnRange(date.date)) {
            err << "calendar: " << outsideTablesComplaint(date.dateText) << '\n';
            return ExitNotFound;
        }
    }

    if (invocation.hasFlag(u"--header")) {
        QStringList names;
        for (const HelpRow& column : invocation.columns)
            names << column.name.toString();
        out << names.join(u'\t') << '\n';
    }
    for (QDate date = from.date; date <= to.date; date = date.addDays(1))
        writeCalendarLine(out, date);
    return ExitOk;
}

int month(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() != 2)
        return usageComplaint(invocation, err);
    const QString& yearText = invocation.args[0];
    const QString& monthText = invocation.args[1];
    for (const QString& arg : invocation.args) {
        if (holdsBlankOrControl(arg)) {
            err << "month: " << blankOrControlComplaint(arg) << '\n';
            return ExitBadInput;
        }
    }
    const std::optional<int> year = parseWholeNumber(yearText);
    if (!year) {
        err << "month: " << shownArgument(yearText) << " is not a year\n";
        return ExitBadInput;
    }
    const std::optional<int> monthNumber = parseWholeNumber(monthText);
    if (!monthNumber || *monthNumber < 1 || *monthNumber > 12) {
        err << "month: " << shownArgument(monthText) << " is not a month from 1 to 12\n";
        return ExitBadInput;
    }
    if (*year < kFirstCnYear || *year > kLastCnYear) {
        err << "month: " << outsideTablesComplaint(QStringLiteral("year %1").arg(*year)) << '\n';
        return ExitNotFound;
    }
    out << monthGridText(*year, *monthNumber, invocation.colour, invocation.context.today);
    return ExitOk;
}

int chart(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (!invocation.args.isEmpty())
        return usageComplaint(invocation, err);
    out << conceptionChartText() << '\n';
    return ExitOk;
}

} // namespace lumora::cli
