#include "almanac/UntJihunDay.h"

#include "almanac/WeddingBanner.h"
#include "forms/FormRows.h"
#include "forms/Opener.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>

namespace lumora {

TFrmJihunDay* FrmJihunDay = nullptr;

namespace {

constexpr QSize kClientSize{620, 480};

} // namespace

TFrmJihunDay::TFrmJihunDay(QWidget* parent)
    : DaySearchForm({QStringLiteral("FrmJihunDay"),
                     QStringLiteral("结婚吉日 嫁娶吉日"),
                     kClientSize,
                     {QStringLiteral("老公公历生日"), QStringLiteral("老婆公历生日")}},
                    parent)
{
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    Image1 = new BannerStrip(weddingBanner(), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    window->addWidget(Image1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
                             style()->pixelMetric(QStyle::PM_LayoutRightMargin),
                             style()->pixelMetric(QStyle::PM_LayoutBottomMargin));
    window->addLayout(body, 1);

    auto* conditionsGroup = new QGroupBox(QStringLiteral("测算条件"), this);
    auto* column = new QVBoxLayout(conditionsGroup);
    QHBoxLayout& spanRow = this->spanRow();
    addCaption(this, spanRow, QStringLiteral("备注：如查询不到数据请检测系统时间或联系我们"));
    spanRow.addStretch();
    column->addLayout(&spanRow);

    const QList<PersonRow>& rows = personRows();
    for (const PersonRow& row : rows) {
        row.box->setChecked(true);
        row.layout->addStretch();
        column->addLayout(row.layout);
    }
    rows[0].layout->addWidget(RzBitBtn1);
    rows[1].layout->addWidget(RzBitBtn3);
    body->addWidget(conditionsGroup);
    body->addWidget(resultGroup(), 1);
}

QString TFrmJihunDay::activity() const
{
    return QStringLiteral("嫁娶");
}

QString TFrmJihunDay::personLabel(int row) const
{
    return weddingPersonLabel(row);
}

void TFrmJihunDay::FormClose()
{
    FrmJihunDay = nullptr;
}

void ShowWeddingDaySearch()
{
    openModally(FrmJihunDay, new TFrmJihunDay);
}

} // namespace lumora
