#include "almanac/DaySearchInput.h"

#include "almanac/FieldComplaint.h"

#include <QStringView>

#include <algorithm>
#include <array>

namespace lumora {
namespace {

struct Span {
    QStringView text;
    int days;
};

// The span list's items and the days each covers.
// clang-format off
constexpr std::array kSpans{
    Span{u"3天以内",  3},
    Span{u"一周以内", 7},
    Span{u"一月以内", 30},
    Span{u"三月以内", 90},
    Span{u"半年以内", 180},
    Span{u"一年以年", 365},
};
// clang-format on

constexpr QStringView kDirections = u"东南西北";

QString spanChoices()
{
    QStringList texts;
    for (const Span& span : kSpans)
        texts << span.text.toString();
    return QStringLiteral("请选择其中一项：") + texts.join(u'、');
}

bool holdsBlank(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

} // namespace

std::variant<CheckedConditions, QStringList> checkConditions(const DaySearchConditions& conditions)
{
    CheckedConditions checked;
    QStringList complaints;

    checked.activity = conditions.activity.trimmed();
    // The lists hold single words, so a blank inside could never match.
    if (checked.activity.isEmpty() || holdsBlank(checked.activity))
        complaints << fieldComplaint(u"吉日内容", checked.activity, u"要测算的事项是一个词，中间不能有空白");

    checked.span = conditions.span.trimmed();
    const auto* span = std::find_if(kSpans.begin(), kSpans.end(),
                                    [&checked](const Span& candidate) { return candidate.text == checked.span; });
    if (span == kSpans.end())
        complaints << fieldComplaint(u"日子范围", checked.span, spanChoices());
    else
        checked.spanDays = span->days;

    const QString suitability = conditions.suitability.trimmed();
    if (suitability != u"宜" && suitability != u"忌")
        complaints << fieldComplaint(u"宜忌", suitability, u"请选择“宜”或“忌”");
    checked.avoid = suitability == u"忌";
    checked.huangdaoOnly = conditions.huangdaoOnly;

    for (const BirthTexts& texts : conditions.persons) {
        auto birth = checkBirth(texts);
        if (auto* wrong = std::get_if<QStringList>(&birth))
            complaints << *wrong;
        else
            checked.persons << std::get<Birth>(birth);
    }

    QString excluded;
    for (const QString& typed : conditions.excludedDirections) {
        const QString direction = typed.trimmed();
        if (direction.size() != 1 || !kDirections.contains(direction.front()))
            complaints << fieldComplaint(u"排除冲煞方位", direction, u"只能是东、南、西、北");
        else
            excluded += direction;
    }
    for (const QChar direction : kDirections)
        if (excluded.contains(direction))
            checked.excludedDirections += direction;

    if (!complaints.isEmpty())
        return complaints;
    return checked;
}

} // namespace lumora
