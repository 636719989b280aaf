#include "almanac/HoursPanel.h"

#include "almanac/HoursView.h"

#include <QBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace lumora {

HoursPanel::HoursPanel(QWidget* parent) : QGroupBox(QStringLiteral("时辰吉凶："), parent)
{
    setObjectName(QStringLiteral("HoursPanel"));
    auto* layout = new QVBoxLayout(this);
    view_ = new HoursView(this);
    layout->addWidget(view_);
    layout->addStretch();
}

// The style's frame is painted around the view but not under it: the view is opaque, and
// Fusion stretches a picture over all it paints, which under the whole view cost more than
// everything inside the group. Painted part by part, each part clipped to a rectangle, so
// that the stretching is confined to it too.
void HoursPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRegion uncovered = QRegion(event->rect()) - view_->geometry();
    for (const QRect& part : uncovered) {
        painter.setClipRect(part);
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
    }
}

void HoursPanel::showDay(const std::optional<HourlyAlmanac>& day)
{
    view_->showDay(day);
}

} // namespace lumora
