#include "almanac/HoursView.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QToolTip>

namespace lumora {
namespace {

// clang-format off
constexpr std::array<QStringView, HoursView::kColumnCount> kHeadings{u"时段", u"干支", u"吉凶", u"冲煞"};
constexpr std::array<QStringView, HoursView::kColumnCount> kWidestTexts{u"00:00-00:59", u"戊子", u"吉凶", u"冲马(壬午)煞南"};
// clang-format on
// The double-hours' ranges, the same on every day.
constexpr std::array<QStringView, kDoubleHourCount> kHourRanges{
    u"00:00-00:59", u"01:00-02:59", u"03:00-04:59", u"05:00-06:59", u"07:00-08:59", u"09:00-10:59", u"11:00-12:59",
    u"13:00-14:59", u"15:00-16:59", u"17:00-18:59", u"19:00-20:59", u"21:00-22:59", u"23:00-23:59"};
// Every day's facts have the same words, each of as many characters, as these: one
// wrapping at the table's width fits them all.
constexpr std::array<QStringView, 3> kSampleFacts{u"值神:天牢(黑道)", u"星宿:翼火蛇(凶)",
                                                  u"吉神方位:喜神西南 福神西北 财神西南 阳贵正西 阴贵西北"};
constexpr QStringView kFactSeparator = u"  ";

// 吉 in red and 凶 in green, as printed almanacs colour them.
constexpr QRgb kAuspicious = 0xD00000;
constexpr QRgb kInauspicious = 0x008000;
constexpr QRgb kHeadingBackground = 0xF0F0F0;
constexpr QRgb kGridLine = 0xC8C8C8;
constexpr int kCellPadding = 6;
constexpr int kRowSpacing = 4;
constexpr int kFactsMargin = 4; // above and below the facts

QString hourTip(const DoubleHour& hour)
{
    return QStringLiteral("%1 %2 %3(%4)\n宜:%5\n忌:%6")
        .arg(hour.range, hour.ganZhi, hour.dutyGod, hour.path, hour.yi, hour.ji);
}

// The cells painted for each day; the ranges are painted with the headings.
QString cellOf(const DoubleHour& hour, int column)
{
    switch (column) {
    case HoursView::GanZhi:
        return hour.ganZhi;
    case HoursView::Luck:
        return hour.luck;
    default:
        return hour.clash;
    }
}

// The facts' words, each after the blanks that lead to it: two between facts, one within.
template <typename Facts> QStringList factWords(const Facts& facts)
{
    QStringList words;
    for (const auto& fact : facts) {
        const QStringList parts = QStringView(fact).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (qsizetype index = 0; index < parts.size(); ++index) {
            const QStringView blanks = words.isEmpty() ? QStringView() : index == 0 ? kFactSeparator : u" ";
            words << blanks.toString() + parts[index];
        }
    }
    return words;
}

// Wrapped at blanks, so that a direction such as 西南 is never split: how many words go
// on each line.
QList<int> wordsPerLine(const QStringList& words, const QFontMetrics& metrics, int width)
{
    QList<int> counts;
    QString line;
    for (const QString& word : words) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + word) > width) {
            counts << 0;
            line.clear();
        }
        line += line.isEmpty() ? word.trimmed() : word;
        if (counts.isEmpty())
            counts << 0;
        ++counts.last();
    }
    return counts;
}

// The words on lines of the given lengths; words past them go on the last line.
QStringList joinLines(const QStringList& words, const QList<int>& counts)
{
    QStringList lines;
    qsizetype next = 0;
    for (qsizetype line = 0; line < counts.size() && next < words.size(); ++line) {
        const qsizetype end = line + 1 == counts.size() ? words.size() : std::min(words.size(), next + counts[line]);
        QString text = words[next++].trimmed();
        while (next < end)
            text += words[next++];
        lines << text;
    }
    return lines;
}

QString accessibleText(const HourlyAlmanac& day)
{
    QStringList lines = day.facts.lines();
    for (const DoubleHour& hour : day.hours)
        lines << hour.fields().join(QLatin1Char(' '));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

HoursView::HoursView(QWidget* parent) : QWidget(parent), measures_(measure(font()))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("HoursView"));
    setAccessibleName(QStringLiteral("时辰吉凶"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void HoursView::showDay(const std::optional<HourlyAlmanac>& day)
{
    day_ = day;
    factLines_ = day_ ? joinLines(factWords(day_->facts.lines()), measures_.factWordsPerLine) : QStringList();
    setAccessibleDescription(day_ ? accessibleText(*day_) : QString());
    update();
}

QString HoursView::cellText(int row, int column) const
{
    if (column < 0 || column >= kColumnCount)
        return QString();
    if (row == kHeadingRow)
        return kHeadings[column].toString();
    if (!day_ || row < 0 || row >= day_->hours.size())
        return QString();
    return column == Range ? kHourRanges[row].toString() : cellOf(day_->hours[row], column);
}

QColor HoursView::cellColor(int row, int column) const
{
    if (column == Luck && day_ && row >= 0 && row < day_->hours.size())
        return QColor(day_->hours[row].isAuspicious() ? kAuspicious : kInauspicious);
    return palette().color(QPalette::Text);
}

QRect HoursView::cellRect(int row, int column) const
{
    const int left = measures_.columnEdges[column];
    return QRect(left, tableTop() + (row + 1) * measures_.rowHeight, measures_.columnEdges[column + 1] - left,
                 measures_.rowHeight);
}

QSize HoursView::sizeHint() const
{
    return QSize(measures_.columnEdges.back() + 1, tableTop() + (kDoubleHourCount + 1) * measures_.rowHeight + 1);
}

bool HoursView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int row = rowAt(help->pos().y());
    if (day_ && row >= 0 && help->pos().x() < measures_.columnEdges.back()) {
        const QRect rowRect(0, cellRect(row, Range).top(), measures_.columnEdges.back(), measures_.rowHeight);
        QToolTip::showText(help->globalPos(), hourTip(day_->hours[row]), this, rowRect);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void HoursView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measures_ = measure(font());
        showDay(day_);
        updateGeometry();
    }
}

void HoursView::paintEvent(QPaintEvent*)
{
    // One white card, the facts over the table, all of it painted here: the group around
    // leaves the card to the view.
    QPainter painter(this);
    painter.fillRect(0, 0, width(), tableTop(), palette().color(QPalette::Base));
    painter.setPen(QColor(kGridLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawPixmap(0, tableTop(), tableSkeleton(day_.has_value()));

    const QFontMetrics metrics = fontMetrics();
    painter.setPen(palette().color(QPalette::Text));
    for (int line = 0; line < factLines_.size(); ++line)
        painter.drawText(kCellPadding, kFactsMargin + line * measures_.lineSpacing + metrics.ascent(),
                         factLines_[line]);
    if (!day_)
        return;
    const int baseline = (measures_.rowHeight - metrics.height()) / 2 + metrics.ascent();
    for (int row = 0; row < kDoubleHourCount; ++row) {
        for (int column = GanZhi; column < kColumnCount; ++column) {
            const QString text = cellText(row, column);
            const QRect cell = cellRect(row, column);
            const int x = column == Luck ? cell.left() + (cell.width() - metrics.horizontalAdvance(text)) / 2
                                         : cell.left() + kCellPadding;
            painter.setPen(cellColor(row, column));
            painter.drawText(x, cell.top() + baseline, text);
        }
    }
}

// Painted once and kept while the font, colours and pixel ratio stay: the ranges and the
// headings are nearly half the table's characters, and text is the costly part to paint.
// A view without a day shows no ranges either.
QPixmap HoursView::tableSkeleton(bool withRanges) const
{
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    const QString key = QStringLiteral("lumora-hours-%1-%2-%3-%4-%5")
                            .arg(withRanges)
                            .arg(font().key())
                            .arg(base.rgba(), 0, 16)
                            .arg(text.rgba(), 0, 16)
                            .arg(devicePixelRatioF());
    QPixmap skeleton;
    if (QPixmapCache::find(key, &skeleton))
        return skeleton;

    const int right = measures_.columnEdges.back();
    const int rowHeight = measures_.rowHeight;
    const QSize size(right + 1, (kDoubleHourCount + 1) * rowHeight + 1);
    skeleton = QPixmap(size * devicePixelRatioF());
    skeleton.setDevicePixelRatio(devicePixelRatioF());
    skeleton.fill(base);
    QPainter painter(&skeleton);
    painter.setFont(font());
    painter.fillRect(0, 0, size.width(), rowHeight, QColor(kHeadingBackground));
    for (int row = 0; row <= kDoubleHourCount + 1; ++row)
        painter.fillRect(0, row * rowHeight, size.width(), 1, QColor(kGridLine));
    for (const int x : measures_.columnEdges)
        painter.fillRect(x, 0, 1, size.height(), QColor(kGridLine));

    const QFontMetrics metrics(font());
    const int baseline = (rowHeight - metrics.height()) / 2 + metrics.ascent();
    painter.setPen(text);
    for (int column = 0; column < kColumnCount; ++column) {
        const int width = measures_.columnEdges[column + 1] - measures_.columnEdges[column];
        const QString heading = kHeadings[column].toString();
        painter.drawText(measures_.columnEdges[column] + (width - metrics.horizontalAdvance(heading)) / 2, baseline,
                         heading);
    }
    for (int row = 0; withRanges && row < kDoubleHourCount; ++row)
        painter.drawText(kCellPadding, (row + 1) * rowHeight + baseline, kHourRanges[row].toString());
    painter.end();
    QPixmapCache::insert(key, skeleton);
    return skeleton;
}

// Measured once for the last font asked for: measuring on every opening of the window
// would cost more than painting the group.
HoursView::Measures HoursView::measure(const QFont& font)
{
    // Keyed by the font's description: a QFont kept in a static would outlive the application.
    static std::optional<std::pair<QString, Measures>> last;
    const QString fontKey = font.key();
    if (last && last->first == fontKey)
        return last->second;
    const QFontMetrics metrics(font);
    Measures measures;
    for (int column = 0; column < kColumnCount; ++column)
        measures.columnEdges[column + 1] = measures.columnEdges[column] +
                                           metrics.horizontalAdvance(kWidestTexts[column].toString()) +
                                           2 * kCellPadding;
    measures.rowHeight = metrics.height() + kRowSpacing;
    measures.lineSpacing = metrics.lineSpacing();
    measures.factWordsPerLine =
        wordsPerLine(factWords(kSampleFacts), metrics, measures.columnEdges.back() - 2 * kCellPadding);
    last.emplace(fontKey, measures);
    return measures;
}

int HoursView::tableTop() const
{
    return kFactsMargin + int(measures_.factWordsPerLine.size()) * measures_.lineSpacing + kFactsMargin;
}

// The hour under a height in the view, or -1 outside the hours.
int HoursView::rowAt(int y) const
{
    const int offset = y - tableTop() - measures_.rowHeight;
    if (offset < 0)
        return -1;
    const int row = offset / measures_.rowHeight;
    return row < kDoubleHourCount ? row : -1;
}

} // namespace lumora
