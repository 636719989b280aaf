#include "almanac/BirthAnimal.h"

#include "almanac/FieldComplaint.h"
#include "calendar/DateCn.h"
#include "calendar/StemBranch.h"

#include <algorithm>
#include <optional>

namespace lumora {
namespace {

constexpr int kLastYear = 9999;
constexpr qsizetype kMaxDigits = 4;
constexpr int kNewYearCode = 101; // 正月初一

// ASCII digits only, at most four, within low..high.
std::optional<int> numberIn(QStringView text, int low, int high)
{
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (text.isEmpty() || text.size() > kMaxDigits || !digits)
        return std::nullopt;
    const int value = text.toInt();
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

// A list item ("子 23", the branch must be the hour's) or a bare hour ("23").
std::optional<int> hourIn(QStringView text)
{
    const qsizetype blank = text.lastIndexOf(u' ');
    const std::optional<int> hour = numberIn(text.sliced(blank + 1), 0, 23);
    if (!hour || (blank >= 0 && text != hourItem(*hour)))
        return std::nullopt;
    return hour;
}

int zodiacBranchOf(const QDate& day)
{
    // CnZodiacName falls back on the Gregorian year outside the lunar tables.
    return branchNamed(CnZodiacName(day).front()).value_or(0);
}

} // namespace

QString hourItem(int hour)
{
    const int doubleHour = (hour + 1) / 2 % 12; // 23:00–00:59 子, 01:00–02:59 丑, …
    return branchName(doubleHour) + QStringLiteral(" ") + QString::number(hour);
}

std::variant<Birth, QStringList> checkBirth(const BirthTexts& texts)
{
    const QString year = texts.year.trimmed();
    const QString month = texts.month.trimmed();
    const QString day = texts.day.trimmed();
    const QString hourText = texts.hour.trimmed();
    const QString minuteText = texts.minute.trimmed();

    // "人员1的出生年份" and so on.
    const auto field = [&texts](QStringView part) { return texts.label + u'的' + part.toString(); };
    QStringList complaints;
    const std::optional<int> y = numberIn(year, 1, kLastYear);
    if (!y)
        complaints << fieldComplaint(field(u"出生年份"), year, u"请填写1到9999之间的数字");
    const std::optional<int> m = numberIn(month, 1, 12);
    if (!m)
        complaints << fieldComplaint(field(u"出生月份"), month, u"请填写1到12之间的数字");
    const std::optional<int> d = numberIn(day, 1, 31);
    if (!d)
        complaints << fieldComplaint(field(u"出生日"), day, u"请填写1到31之间的数字");
    else if (y && m && !QDate::isValid(*y, *m, *d))
        complaints << fieldComplaint(
            field(u"出生日"), day,
            QStringLiteral("%1年%2月只有%3天").arg(*y).arg(*m).arg(QDate(*y, *m, 1).daysInMonth()));
    const std::optional<int> hour = hourIn(hourText);
    if (!hour)
        complaints << fieldComplaint(field(u"出生时辰"), hourText,
                                     u"请选择“子 0”到“子 23”中的一项，或填写0到23之间的小时数");
    const std::optional<int> minute = numberIn(minuteText, 0, 59);
    if (!minute)
        complaints << fieldComplaint(field(u"出生分钟"), minuteText, u"请填写0到59之间的数字");
    if (!complaints.isEmpty())
        return complaints;

    Birth birth{texts.label, QDate(*y, *m, *d), *hour, *minute};
    const QDate nextDay = birth.date.addDays(1);
    birth.bornIntoNewYear = birth.hour >= 23 && CnDateOf(nextDay) == kNewYearCode;
    birth.branch = zodiacBranchOf(birth.bornIntoNewYear ? nextDay : birth.date);
    return birth;
}

} // namespace lumora
