#include "almanac/DailyAlmanac.h"
#include "almanac/DayHours.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/DateArguments.h"
#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QDate>

#include <variant>

namespace lumora::cli {
namespace {

// The day a command of the daily almanac is about, as the window's date check yields it
// ("2015-6-9"), today's without arguments; else the exit status after the complaint.
std::variant<QString, int> dayOf(const Invocation& invocation, QStringView command, QTextStream& err)
{
    QStringList dateArgs = invocation.args;
    if (dateArgs.isEmpty()) {
        const QDate& today = invocation.context.today;
        dateArgs = {today.toString(u"yyyy"), today.toString(u"MM"), today.toString(u"dd")};
    }
    const DateArguments parsed = parseDateArguments(dateArgs, 1);
    if (const auto* complaint = std::get_if<DateArgumentComplaint>(&parsed)) {
        switch (complaint->kind) {
        case DateArgumentComplaint::Kind::WrongCount:
            return usageComplaint(invocation, err);
        case DateArgumentComplaint::Kind::Unreadable:
        case DateArgumentComplaint::Kind::NotADate:
            // Where the almanac window's date check refused the parts, in its own words.
            if (!complaint->pickedMessage.isEmpty())
                err << complaint->pickedMessage << '\n';
            else
                err << command << ": " << complaint->message << '\n';
            return ExitBadInput;
        }
    }
    return std::get<QList<DateArgument>>(parsed).first().dateText;
}

int noEntry(const QString& dateText, QTextStream& err)
{
    err << "没有 " << dateText << " 的黄历记录（数据覆盖 " << firstCnDay().toString(Qt::ISODate) << " 至 "
        << lastCnDay().toString(Qt::ISODate) << "）\n";
    return ExitNotFound;
}

// Runs `print` on a query of the almanac data file and the day; a data file that fails is
// reported as such.
template <typename Print> int printDay(const Invocation& invocation, QStringView command, QTextStream& err, Print print)
{
    const std::variant<QString, int> day = dayOf(invocation, command, err);
    if (const int* status = std::get_if<int>(&day))
        return *status;
    try {
        Query query;
        query.setConnectionString(birthConnectionStringIn(invocation.context.dataFolder));
        return print(query, std::get<QString>(day));
    } catch (const Error& error) {
        err << error.message() << '\n';
        return ExitDataFile;
    }
}

} // namespace

int almanac(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    return printDay(invocation, u"almanac", err, [&](Query& query, const QString& dateText) {
        const std::optional<AlmanacEntry> entry = queryDailyAlmanac(query, dateText);
        if (!entry)
            return noEntry(dateText, err);
        // The further facts are looked up before anything is written, so a day that lacks
        // them prints nothing rather than half an answer.
        std::optional<DayFacts> facts;
        if (invocation.hasFlag(u"--full")) {
            std::optional<HourlyAlmanac> further = queryHourlyAlmanac(query, dateText);
            if (!further)
                return noEntry(dateText, err);
            facts = std::move(further->facts);
        }
        out << entry->overview << '\n';
        for (const QString& line : entry->memoLines)
            out << line << '\n';
        if (facts)
            for (const QString& line : facts->lines())
                out << '\n' << line << '\n';
        return int(ExitOk);
    });
}

int hours(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    return printDay(invocation, u"hours", err, [&](Query& query, const QString& dateText) {
        const std::optional<HourlyAlmanac> day = queryHourlyAlmanac(query, dateText);
        if (!day)
            return noEntry(dateText, err);
        for (const DoubleHour& hour : day->hours)
            out << hour.fields().join(u'\t') << '\n';
        return int(ExitOk);
    });
}

} // namespace lumora::cli
