#include "calendar/ConceptionChart.h"

#include <QStringView>

#include <array>

namespace lumora {
namespace {

constexpr int kFirstAge = 18;

// clang-format off
// The folk chart: per mother's age in 虚岁 from 18, the child for lunar months 1 to 12.
constexpr std::array<QStringView, 28> kChildByAgeAndMonth{
    u"女男女男男男男男男男男男", // 18
    u"男女男女女男男男男男女女", // 19
    u"女男女男男男男男男女男男", // 20
    u"男女女女女女女女女女女女", // 21
    u"女男男女男女女男女女女女", // 22
    u"男男女男男女男女男男男女", // 23
    u"男女男男女男男女女女女女", // 24
    u"女男男女女男女男男男男男", // 25
    u"男女男女女男女男女女女女", // 26
    u"女男女男女女男男男男女男", // 27
    u"男女男女女女男男男男女女", // 28
    u"女男女女男男男男男男男女", // 29
    u"男女女女女女女女女女男男", // 30
    u"男女男女女女女女女女女男", // 31
    u"男女男女女女女女女女女男", // 32
    u"女男女男女女女男女女女男", // 33
    u"男女男女女女女女女女男男", // 34
    u"男男女男女女女男女女男男", // 35
    u"女男男女男女女女男男男男", // 36
    u"男女男男女男女男女男女男", // 37
    u"女男女男男女男女男女男女", // 38
    u"男女男男男女女男女男女女", // 39
    u"女男女男女男男女男女男女", // 40
    u"男女男女男女男男女男女男", // 41
    u"女男女男女男女男男女男女", // 42
    u"男女男女男女男女男男男男", // 43
    u"男男女男男男女男女男女女", // 44
    u"女男男女女女男女男女男男", // 45
};
// clang-format on

constexpr QStringView kHeading = u"年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月";

// The run of spaces in front of the answer for `month` (1..12); the chart as handed down
// has two ideographic spaces before June in the lines for 19 and 23 onwards.
QStringView GapBefore(int month, int age)
{
    if (month == 6 && (age == 19 || age >= 23))
        return u"\u3000\u3000";
    if (month <= 2 || month >= 11)
        return u"     ";
    return u"    ";
}

QString ChartLine(int age, QStringView children)
{
    QString line = QString::number(age);
    for (int month = 1; month <= 12; ++month) {
        line += GapBefore(month, age);
        line += children[month - 1];
    }
    return line;
}

} // namespace

QString conceptionChartText()
{
    QString text = kHeading.toString();
    int age = kFirstAge;
    for (QStringView children : kChildByAgeAndMonth)
        text += u'\n' + ChartLine(age++, children);
    return text;
}

QString conceptionChartNote()
{
    return QStringLiteral(
        "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，下半月以下个月份计算。");
}

} // namespace lumora
