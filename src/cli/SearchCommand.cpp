#include "almanac/DaySearch.h"
#include "cli/ArgumentText.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/DateArguments.h"
#include "data/Error.h"
#include "data/uShare.h"

#include <QRegularExpression>

namespace lumora::cli {
namespace {

constexpr QStringView kDefaultActivity = u"嫁娶";
constexpr QStringView kDefaultSpan = u"一月以内";

// "1990-05-01" or "1990-05-01 13:30"; the parts go to the search as typed, which checks
// them and names the person and the field it refuses. Nothing for another shape.
std::optional<BirthTexts> personOf(const QString& value, const QString& label)
{
    static const QRegularExpression shape(QStringLiteral("^([^- :]*)-([^- :]*)-([^- :]*)(?: ([^- :]*):([^- :]*))?$"));
    const QRegularExpressionMatch match = shape.match(value);
    if (!match.hasMatch())
        return std::nullopt;
    const bool timed = match.hasCaptured(4);
    return BirthTexts{label,
                      match.captured(1),
                      match.captured(2),
                      match.captured(3),
                      timed ? match.captured(4) : QStringLiteral("0"),
                      timed ? match.captured(5) : QStringLiteral("0")};
}

// "南,北", "煞南，煞北" or "南、北": each direction with its 煞 or without.
QStringList directionsOf(const QString& value)
{
    static const QRegularExpression separator(QStringLiteral("[,，、]"));
    QStringList directions = value.split(separator);
    for (QString& direction : directions)
        if (direction.startsWith(u'煞'))
            direction.remove(0, 1);
    return directions;
}

} // namespace

int search(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (!invocation.args.isEmpty())
        return usageComplaint(invocation, err);

    QDate today = invocation.context.today;
    if (const QString from = invocation.value(u"--from"); !from.isNull()) {
        const DateArguments parsed = parseDateArguments({from}, 1);
        if (const auto* complaint = std::get_if<DateArgumentComplaint>(&parsed)) {
            err << "search: --from " << complaint->message << '\n';
            return ExitBadInput;
        }
        today = std::get<QList<DateArgument>>(parsed).first().date;
    }

    DaySearchConditions conditions;
    conditions.activity = invocation.value(u"--activity");
    if (conditions.activity.isNull())
        conditions.activity = kDefaultActivity.toString();
    conditions.span = invocation.value(u"--span");
    if (conditions.span.isNull())
        conditions.span = kDefaultSpan.toString();
    conditions.suitability = invocation.hasFlag(u"--avoid") ? QStringLiteral("忌") : QStringLiteral("宜");
    conditions.huangdaoOnly = invocation.hasFlag(u"--huangdao");
    for (const auto& [option, value] : invocation.values) {
        if (option == u"--exclude") {
            conditions.excludedDirections << directionsOf(value);
        } else if (option == u"--person") {
            const QString label = QStringLiteral("人员%1").arg(conditions.persons.size() + 1);
            const std::optional<BirthTexts> person = personOf(value, label);
            if (!person) {
                err << "search: --person " << shownArgument(value) << " is not DATE[ HH:MM] (1990-05-01 or "
                    << "'1990-05-01 13:30')\n";
                return ExitBadInput;
            }
            conditions.persons << *person;
        }
    }

    try {
        const DaySearchReport report =
            searchDays(conditions, today, birthConnectionStringIn(invocation.context.dataFolder));
        QTextStream& lines = report.badInput ? err : out;
        for (const QString& line : report.lines)
            lines << line << '\n';
        if (report.badInput)
            return ExitBadInput;
        return report.daysWithoutData > 0 ? ExitNotFound : ExitOk;
    } catch (const Error& error) {
        err << error.message() << '\n';
        return ExitDataFile;
    }
}

} // namespace lumora::cli
