#include "almanac/DailyAlmanac.h"

#include "data/Query.h"

#include <array>

namespace lumora {
namespace {

struct LabelledColumn {
    const char* column;
    const char16_t* label;
};

// The nine items of the memo, in the order they are shown.
// clang-format off
constexpr std::array<LabelledColumn, 9> kMemoItems{{
    {"suici",  u"岁次:"},
    {"tszf",   u"每日胎神占方:"},
    {"wuhang", u"五行:"},
    {"cong",   u"冲:"},
    {"pzbj",   u"彭祖百忌:"},
    {"jsyq",   u"吉神宜趋:"},
    {"yi",     u"宜:"},
    {"xsyq",   u"凶神宜忌:"},
    {"ji",     u"忌:"},
}};
// clang-format on

} // namespace

QString dailyAlmanacSql(const QString& dateText)
{
    return QStringLiteral("Select top 1 * from lumora where gn = #") + dateText + QLatin1Char('#');
}

std::optional<AlmanacEntry> queryDailyAlmanac(Query& query, const QString& dateText)
{
    query.close();
    query.setSql(dailyAlmanacSql(dateText));
    query.open();
    if (!query.hasRow())
        return std::nullopt;

    AlmanacEntry entry;
    entry.overview = dateText + QStringLiteral("  ") + query.text(QStringLiteral("nn"));
    for (const LabelledColumn& item : kMemoItems) {
        if (!entry.memoLines.isEmpty())
            entry.memoLines << QString();
        entry.memoLines << QString::fromUtf16(item.label) + query.text(QString::fromLatin1(item.column));
    }
    return entry;
}

} // namespace lumora
