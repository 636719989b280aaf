#pragma once
// The hour-level almanac of a day and its further facts, read like the daily entry:
//
//   date text ──lumora_extra (gn)──> DayFacts: 值神, 星宿, 吉神方位
//                                  └─ the day's 干支 ──shichen──> thirteen DoubleHours
//
// A day outside the tables has neither.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace lumora {

class Query;

struct DoubleHour {
    QString range;   // "00:00-00:59"
    QString ganZhi;  // "戊子"
    QString dutyGod; // "天牢"
    QString path;    // "黄道" or "黑道"
    QString luck;    // "吉" or "凶"
    QString clash;   // "冲马(壬午)煞南"
    QString yi;      // items separated by single spaces, "无" when there are none
    QString ji;

    // The eight fields in the order above, as `lumora-cli hours` prints them.
    QStringList fields() const;
    bool isAuspicious() const;
};

struct DayFacts {
    QString dutyGod;     // "天牢"
    QString path;        // "黄道" or "黑道"
    QString mansion;     // "翼火蛇"
    QString mansionLuck; // "吉" or "凶"
    QString joy;         // the directions of the gods of joy, fortune and wealth and of the
    QString fortune;     // two nobles: "西南", "正西", …
    QString wealth;
    QString yangNoble;
    QString yinNoble;

    bool isHuangdao() const;
    // "值神:天牢(黑道)", "星宿:翼火蛇(凶)", "吉神方位:喜神西南 福神西北 …".
    QStringList lines() const;
};

// What the almanac window shows beside the entry.
struct HourlyAlmanac {
    DayFacts facts;
    QList<DoubleHour> hours; // kDoubleHourCount of them, in the day's order
};

constexpr int kDoubleHourCount = 13; // 00:00 early 子 … 23:00 late 子
constexpr QStringView kHuangdaoPath = u"黄道";

// "值神:天牢(黑道)".
QString dutyGodLine(const QString& dutyGod, const QString& path);

// The day's facts and hours. dateText as CheckPickedDate yields it (e.g. "2015-6-9").
// Nothing when the tables have no row for the day; throws lumora::Error when the data
// file fails or holds other than thirteen hours for the day.
std::optional<HourlyAlmanac> queryHourlyAlmanac(Query& query, const QString& dateText);

} // namespace lumora
