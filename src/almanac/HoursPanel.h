#pragma once
// The daily almanac window's group "时辰吉凶：" around the day's HoursView.

#include "almanac/DayHours.h"

#include <QGroupBox>

#include <optional>

namespace lumora {

class HoursView;

class HoursPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit HoursPanel(QWidget* parent = nullptr);

    // Shows the day; nothing empties the panel.
    void showDay(const std::optional<HourlyAlmanac>& day);

    HoursView* view() const { return view_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HoursView* view_;
};

} // namespace lumora
