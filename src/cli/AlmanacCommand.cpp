#include "almanac/DailyAlmanac.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QDate>

namespace lumora::cli {

int almanac(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList date = args;
    if (date.isEmpty()) {
        const QDate today = QDate::currentDate();
        date = {today.toString(QStringLiteral("yyyy")), today.toString(QStringLiteral("MM")),
                today.toString(QStringLiteral("dd"))};
    } else if (date.size() != 3) {
        err << "usage: lumora-cli almanac [YEAR MONTH DAY]\n";
        return ExitBadInput;
    }

    const PickedDateCheck check = CheckPickedDate(date[0], date[1], date[2]);
    if (const auto* complaint = std::get_if<PickedDateComplaint>(&check)) {
        err << complaint->message << '\n';
        return ExitBadInput;
    }
    const QString dateText = std::get<PickedDate>(check).dateText;

    try {
        Query query;
        query.setConnectionString(BirthConnectionString());
        const std::optional<AlmanacEntry> entry = queryDailyAlmanac(query, dateText);
        if (!entry) {
            err << "没有 " << dateText << " 的黄历记录（数据覆盖 1901-01-01 至 2050-12-31）\n";
            return ExitNotFound;
        }
        out << entry->overview << '\n';
        for (const QString& line : entry->memoLines)
            out << line << '\n';
        return ExitOk;
    } catch (const Error& error) {
        err << error.message() << '\n';
        return ExitDataFile;
    }
}

} // namespace lumora::cli
