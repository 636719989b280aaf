#include "almanac/DayNotes.h"

#include "almanac/DayHours.h"
#include "data/Query.h"

namespace lumora {
namespace {

// Columns read by position in this order; a day without further facts still has its note.
enum Column { Gn, Nn, Yi, Ji, DutyGod, Path };
constexpr QStringView kNotesSql =
    u"select lumora.gn, nn, yi, ji, zhishen, huangdao from lumora left join lumora_extra on lumora_extra.gn = "
    u"lumora.gn where lumora.gn between #%1# and #%2# order by lumora.gn";

QStringList noteLines(const Query& query)
{
    QStringList lines{query.text(Gn) + QStringLiteral("  ") + query.text(Nn)};
    if (const QString dutyGod = query.text(DutyGod); !dutyGod.isEmpty())
        lines << dutyGodLine(dutyGod, query.text(Path));
    lines << QStringLiteral("宜:") + query.text(Yi) << QStringLiteral("忌:") + query.text(Ji);
    return lines;
}

} // namespace

QMap<QDate, QStringList> queryDayNotes(Query& query, const QDate& first, const QDate& last)
{
    query.close();
    query.setSql(kNotesSql.toString().arg(first.toString(Qt::ISODate), last.toString(Qt::ISODate)));
    query.open();
    QMap<QDate, QStringList> notes;
    for (bool row = query.hasRow(); row; row = query.next())
        notes.insert(QDate::fromString(query.text(Gn), Qt::ISODate), noteLines(query));
    return notes;
}

} // namespace lumora
