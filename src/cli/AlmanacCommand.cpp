#include "almanac/DailyAlmanac.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/DateArguments.h"
#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QDate>

namespace lumora::cli {

int almanac(const Invocation& invocation, QTextStream& out, QTextStream& err)
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
                err << "almanac: " << complaint->message << '\n';
            return ExitBadInput;
        }
    }
    const QString dateText = std::get<QList<DateArgument>>(parsed).first().dateText;

    try {
        Query query;
        query.setConnectionString(birthConnectionStringIn(invocation.context.dataFolder));
        const std::optional<AlmanacEntry> entry = queryDailyAlmanac(query, dateText);
        if (!entry) {
            err << "没有 " << dateText << " 的黄历记录（数据覆盖 " << firstCnDay().toString(Qt::ISODate) << " 至 "
                << lastCnDay().toString(Qt::ISODate) << "）\n";
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
