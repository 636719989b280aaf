#include "calendar/DateCn.h"

#include "calendar/DateCnTables.h"

#include <QStringView>

#include <array>
#include <cstdlib>

namespace lumora {
namespace {

// clang-format off
// Days before each month in a common year; a leap year adds one from March on.
constexpr std::array<int, 12> kDaysBeforeMonth{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Names used by the Chinese calendar, indexed by month 1..12, day 1..30, term 1..24 and
// zodiac cycle position 0..11 (0 for 1972); week-days by QDate::dayOfWeek(), 1..7 from Monday.
constexpr std::array<QStringView, 13> kCnMonthNames{
    u"", u"正", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十", u"冬", u"腊"};
constexpr std::array<QStringView, 31> kCnDayNames{
    u"",
    u"初一", u"初二", u"初三", u"初四", u"初五", u"初六", u"初七", u"初八", u"初九", u"初十",
    u"十一", u"十二", u"十三", u"十四", u"十五", u"十六", u"十七", u"十八", u"十九", u"二十",
    u"廿一", u"廿二", u"廿三", u"廿四", u"廿五", u"廿六", u"廿七", u"廿八", u"廿九", u"三十"};
constexpr std::array<QStringView, 25> kSolarTermNames{
    u"",
    u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰", u"春分", u"清明", u"谷雨", u"立夏", u"小满", u"芒种", u"夏至",
    u"小暑", u"大暑", u"立秋", u"处暑", u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至"};
constexpr std::array<QStringView, 8> kWeekdayNames{
    u"", u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六", u"星期日"};
constexpr std::array<QStringView, 12> kZodiacNames{
    u"子鼠", u"丑牛", u"寅虎", u"卯兔", u"辰龙", u"巳蛇", u"午马", u"未羊", u"申猴", u"酉鸡", u"戌狗", u"亥猪"};

// Lunar festivals on fixed days of ordinary (not leap) months.
struct CnFestivalDay {
    int month;
    int day;
    QStringView name;
};
constexpr std::array kCnFestivalDays{
    CnFestivalDay{1, 1, u"春节"},   CnFestivalDay{1, 15, u"元宵节"}, CnFestivalDay{5, 5, u"端午节"},
    CnFestivalDay{7, 7, u"七夕节"}, CnFestivalDay{8, 15, u"中秋节"}, CnFestivalDay{9, 9, u"重阳节"},
    CnFestivalDay{12, 8, u"腊八节"},
};

// Gregorian festivals: on a fixed day, or (weekday 1..7, Monday first) on that weekday of
// the given week, week k holding days 7k+1..7k+7.
struct GregFestivalDay {
    int month;
    int day;      // 0 for a festival set by weekday
    int weekday;  // Qt numbering, 7 is Sunday
    int week;     // 0..3
    QStringView name;
};
constexpr std::array kGregFestivalDays{
    GregFestivalDay{1, 1, 0, 0, u"元旦节"},   GregFestivalDay{2, 14, 0, 0, u"情人节"},
    GregFestivalDay{3, 8, 0, 0, u"妇女节"},   GregFestivalDay{4, 1, 0, 0, u"愚人节"},
    GregFestivalDay{5, 1, 0, 0, u"劳动节"},   GregFestivalDay{5, 4, 0, 0, u"青年节"},
    GregFestivalDay{5, 0, 7, 1, u"母亲节"},   GregFestivalDay{6, 1, 0, 0, u"儿童节"},
    GregFestivalDay{6, 0, 7, 2, u"父亲节"},   GregFestivalDay{7, 1, 0, 0, u"建党节"},
    GregFestivalDay{8, 1, 0, 0, u"建军节"},   GregFestivalDay{9, 10, 0, 0, u"教师节"},
    GregFestivalDay{10, 1, 0, 0, u"国庆节"},  GregFestivalDay{10, 6, 0, 0, u"老人节"},
    GregFestivalDay{10, 31, 0, 0, u"万圣节"}, GregFestivalDay{11, 8, 0, 0, u"记者日"},
    GregFestivalDay{11, 0, 4, 3, u"感恩节"},  GregFestivalDay{12, 25, 0, 0, u"圣诞节"},
};

// Western sun signs by month: the first sign runs through lastDayOfFirst, the second from
// the day after. 23 August goes to 处女座, the sign the sun usually enters that day.
struct MonthSigns {
    int lastDayOfFirst;
    QStringView first;
    QStringView second;
};
constexpr std::array kMonthSigns{
    MonthSigns{19, u"摩羯座", u"水瓶座"}, MonthSigns{18, u"水瓶座", u"双鱼座"},
    MonthSigns{20, u"双鱼座", u"白羊座"}, MonthSigns{19, u"白羊座", u"金牛座"},
    MonthSigns{20, u"金牛座", u"双子座"}, MonthSigns{21, u"双子座", u"巨蟹座"},
    MonthSigns{22, u"巨蟹座", u"狮子座"}, MonthSigns{22, u"狮子座", u"处女座"},
    MonthSigns{22, u"处女座", u"天秤座"}, MonthSigns{23, u"天秤座", u"天蝎座"},
    MonthSigns{21, u"天蝎座", u"射手座"}, MonthSigns{21, u"射手座", u"摩羯座"},
};
// clang-format on

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInYear(int year)
{
    return isLeapYear(year) ? 366 : 365;
}

// Days since 1 January, 0..365; month must be 1..12.
int dayOffsetInYear(int year, int month, int day)
{
    const int leapDay = month > 2 && isLeapYear(year) ? 1 : 0;
    return kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + leapDay + day - 1;
}

bool inTableRange(int year)
{
    return year >= kFirstCnYear && year <= kLastCnYear;
}

// month is negative for a leap month, day 1..30.
CnDateCode codeOf(int month, int day)
{
    return month < 0 ? month * 100 - day : month * 100 + day;
}

// The lunar date `offset` days after 1 January of `year` (a year of the table). A month
// still running on 1 January may be the previous year's leap month, which only the
// previous year's record knows; `lookBack` asks it, through 31 December.
CnDateCode cnDateAt(int year, int offset, bool lookBack)
{
    const std::uint32_t record = detail::lunarYearRecord(year);
    const int firstMonth = (record >> 31) != 0 ? 12 : 11;       // month in progress on 1 January
    const int firstDay = static_cast<int>(record >> 24) & 0x7F; // its day on 1 January, 1..30
    const std::uint32_t lengthBits = (record >> 8) & 0xFFFF;    // bit 15: first month has 30 days
    const int leapMonth = static_cast<int>(record & 0xFF);      // 0..12, 0: none

    auto monthLength = [lengthBits](int k) { return (lengthBits >> (15 - k)) & 1 ? 30 : 29; };

    int end = monthLength(0) - firstDay; // offset of the first month's last day
    if (offset <= end) {
        const bool inLeapMonth =
            lookBack && year > kFirstCnYear && cnDateAt(year - 1, daysInYear(year - 1) - 1, false) < 0;
        return codeOf(inLeapMonth ? -firstMonth : firstMonth, firstDay + offset);
    }

    int month = firstMonth; // negative while in a leap month
    for (int k = 1;; ++k) {
        month = leapMonth != 0 && month == leapMonth ? -leapMonth : std::abs(month) % 12 + 1;
        if (offset <= end + monthLength(k))
            return codeOf(month, offset - end);
        end += monthLength(k);
    }
}

} // namespace

bool inCnRange(const QDate& date)
{
    return date.isValid() && inTableRange(date.year());
}

int cnMonthOf(CnDateCode code)
{
    return code / 100;
}

int cnDayOf(CnDateCode code)
{
    return std::abs(code % 100);
}

CnDateCode CnDateOf(const QDate& date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (!inTableRange(year))
        return 0;
    return cnDateAt(year, dayOffsetInYear(year, month, day), true);
}

int SolarTermOf(int year, int month, int day)
{
    if (!inTableRange(year) || month < 1 || month > 12)
        return 0;
    const int packed = detail::solarTermByte(year, month);
    if (day < 15)
        return day == 15 - (packed >> 4) ? 2 * month - 1 : 0;
    return day == 15 + (packed & 0x0F) ? 2 * month : 0;
}

int DayOfYearOf(const QDate& date)
{
    if (!date.isValid())
        return 0;
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    return dayOffsetInYear(year, month, day) + 1;
}

QString CnMonthName(const QDate& date)
{
    return CnMonthName(CnDateOf(date));
}

QString CnMonthName(CnDateCode code)
{
    const int month = cnMonthOf(code);
    if (month > 0)
        return kCnMonthNames[static_cast<std::size_t>(month)].toString() + u'月';
    if (month < 0)
        return u'闰' + kCnMonthNames[static_cast<std::size_t>(-month)].toString();
    return {};
}

QString CnDayName(const QDate& date)
{
    return CnDayName(CnDateOf(date));
}

QString CnDayName(CnDateCode code)
{
    return kCnDayNames[static_cast<std::size_t>(cnDayOf(code))].toString();
}

QString CnFestival(const QDate& date)
{
    return CnFestival(CnDateOf(date), CnDateOf(date.addDays(1)));
}

QString CnFestival(CnDateCode code, CnDateCode nextDayCode)
{
    const int month = cnMonthOf(code);
    const int day = cnDayOf(code);
    for (const CnFestivalDay& festival : kCnFestivalDays) {
        if (festival.month == month && festival.day == day)
            return festival.name.toString();
    }
    // The last day of the twelfth month, ordinary or leap, whatever its length.
    if (month != 1 && cnMonthOf(nextDayCode) == 1)
        return QStringLiteral("除夕");
    return {};
}

QString CnZodiacName(const QDate& date)
{
    const int cycle = ((date.year() - 1972) % 12 + 12) % 12;
    // Early in the Gregorian year a lunar 11th or 12th month still belongs to the lunar
    // year before.
    const bool lunarYearBefore = date.month() <= 3 && std::abs(cnMonthOf(CnDateOf(date))) >= 11;
    const int index = lunarYearBefore ? (cycle + 11) % 12 : cycle;
    return kZodiacNames[static_cast<std::size_t>(index)].toString();
}

QString SolarTermName(const QDate& date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    return kSolarTermNames[static_cast<std::size_t>(SolarTermOf(year, month, day))].toString();
}

QString GregFestival(int day, const QDate& date)
{
    const int month = date.month();
    const int weekday = QDate(date.year(), month, day).dayOfWeek(); // 0 for a day the month lacks
    const int week = (day - 1) / 7;
    for (const GregFestivalDay& festival : kGregFestivalDays) {
        if (festival.month != month)
            continue;
        const bool matches =
            festival.day != 0 ? festival.day == day : festival.weekday == weekday && festival.week == week;
        if (matches)
            return festival.name.toString();
    }
    return {};
}

QString ConstellationName(const QDate& date)
{
    if (!date.isValid())
        return {};
    const MonthSigns& signs = kMonthSigns[static_cast<std::size_t>(date.month() - 1)];
    return (date.day() <= signs.lastDayOfFirst ? signs.first : signs.second).toString();
}

QString ConstellationOfDay(int day, const QDate& date)
{
    return ConstellationName(QDate(date.year(), date.month(), day));
}

QString weekdayName(int dayOfWeek)
{
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return {};
    return kWeekdayNames[static_cast<std::size_t>(dayOfWeek)].toString();
}

} // namespace lumora
