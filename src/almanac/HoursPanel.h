#pragma once
// The daily almanac window's group "时辰吉凶：": a line of the day's further facts (值神,
// 星宿, 吉神方位) over its thirteen double-hours, each hour's 宜 and 忌 as its tooltip.

#include "almanac/DayHours.h"

#include <QGroupBox>

#include <optional>

class QLabel;
class QTableWidget;

namespace lumora {

class HoursPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit HoursPanel(QWidget* parent = nullptr);

    // Shows the day; nothing empties the panel.
    void showDay(const std::optional<HourlyAlmanac>& day);

    QLabel* facts() const { return facts_; }
    QTableWidget* hours() const { return hours_; }

private:
    QLabel* facts_;
    QTableWidget* hours_;
};

} // namespace lumora
