#pragma once
// The day's further facts (值神, 星宿, 吉神方位) over a table of its thirteen double-hours
// (range, 干支, 吉/凶, clash), each hour's 宜 and 忌 as the tooltip of its row. Painted in
// one widget: a table of item widgets made the almanac window several milliseconds slower
// to open.

#include "almanac/DayHours.h"

#include <QWidget>

#include <array>
#include <optional>

namespace lumora {

class HoursView final : public QWidget {
    Q_OBJECT

public:
    enum Column { Range, GanZhi, Luck, Clash, kColumnCount };
    static constexpr int kHeadingRow = -1;

    explicit HoursView(QWidget* parent = nullptr);

    // Shows the day; nothing empties the facts and the rows, the headings stay.
    void showDay(const std::optional<HourlyAlmanac>& day);

    // What is painted: the facts as wrapped to the table's width, each cell's text, colour
    // and place (row kHeadingRow for the headings).
    QStringList factLines() const { return factLines_; }
    QString cellText(int row, int column) const;
    QColor cellColor(int row, int column) const;
    QRect cellRect(int row, int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What depends on the font alone.
    struct Measures {
        std::array<int, kColumnCount + 1> columnEdges{}; // the left of each column, then the table's right
        int rowHeight = 0;
        int lineSpacing = 0;
        QList<int> factWordsPerLine; // how every day's facts wrap at the table's width
    };
    static Measures measure(const QFont& font);
    // The table without the day: grid, headings and, when asked, the ranges, which are
    // every day's.
    QPixmap tableSkeleton(bool withRanges) const;

    int tableTop() const;
    int rowAt(int y) const;

    std::optional<HourlyAlmanac> day_;
    QStringList factLines_;
    Measures measures_;
};

} // namespace lumora
