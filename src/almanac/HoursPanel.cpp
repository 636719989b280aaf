#include "almanac/HoursPanel.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <array>

namespace lumora {
namespace {

enum HourColumn { Range, GanZhi, Luck, Clash, kHourColumnCount };

// clang-format off
constexpr std::array<QStringView, kHourColumnCount> kHourHeadings{u"时段", u"干支", u"吉凶", u"冲煞"};
// clang-format on

// 吉 in red and 凶 in green, as printed almanacs colour them.
constexpr QRgb kAuspicious = 0xD00000;
constexpr QRgb kInauspicious = 0x008000;
constexpr int kRowHeight = 18;
constexpr int kCellPadding = 12;
// clang-format off
constexpr std::array<QStringView, kHourColumnCount> kWidestTexts{u"00:00-00:59", u"戊子", u"吉凶", u"冲马(壬午)煞南"};
// clang-format on

QString hourTip(const DoubleHour& hour)
{
    return QStringLiteral("%1 %2 %3(%4)\n宜:%5\n忌:%6")
        .arg(hour.range, hour.ganZhi, hour.dutyGod, hour.path, hour.yi, hour.ji);
}

QTableWidgetItem* newCell(const QString& text, const QString& tip)
{
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(tip);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QTableWidget* newHourTable(QWidget* parent)
{
    auto* table = new QTableWidget(kDoubleHourCount, kHourColumnCount, parent);
    table->setObjectName(QStringLiteral("HoursTable"));
    QStringList headings;
    for (const QStringView heading : kHourHeadings)
        headings << heading.toString();
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    // Widths measured once on the widest texts: sizing to contents on every fill costs more
    // than the rest of the window's opening.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const QFontMetrics metrics(table->font());
    for (int column = 0; column < kHourColumnCount; ++column)
        table->setColumnWidth(column, metrics.horizontalAdvance(kWidestTexts[column].toString()) + kCellPadding);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setWordWrap(false);
    // Every row and column shows: the table asks for the size of its contents.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return table;
}

} // namespace

HoursPanel::HoursPanel(QWidget* parent) : QGroupBox(QStringLiteral("时辰吉凶："), parent)
{
    setObjectName(QStringLiteral("HoursPanel"));
    auto* layout = new QVBoxLayout(this);
    facts_ = new QLabel(this);
    facts_->setObjectName(QStringLiteral("HoursFacts"));
    facts_->setWordWrap(true);
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(facts_);
    hours_ = newHourTable(this);
    layout->addWidget(hours_);
    layout->addStretch();
}

void HoursPanel::showDay(const std::optional<HourlyAlmanac>& day)
{
    hours_->clearContents();
    if (!day) {
        facts_->clear();
        return;
    }
    facts_->setText(day->facts.lines().join(QStringLiteral("  ")));
    for (int row = 0; row < day->hours.size(); ++row) {
        const DoubleHour& hour = day->hours[row];
        const QString tip = hourTip(hour);
        hours_->setItem(row, Range, newCell(hour.range, tip));
        hours_->setItem(row, GanZhi, newCell(hour.ganZhi, tip));
        QTableWidgetItem* luck = newCell(hour.luck, tip);
        luck->setForeground(QColor(hour.isAuspicious() ? kAuspicious : kInauspicious));
        luck->setTextAlignment(Qt::AlignCenter);
        hours_->setItem(row, Luck, luck);
        hours_->setItem(row, Clash, newCell(hour.clash, tip));
    }
}

} // namespace lumora
