#include "calendar/Untabt.h"

#include "calendar/ConceptionChart.h"
#include "forms/FormFonts.h"
#include "forms/FormWindow.h"
#include "forms/Opener.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lumora {

TFrm_NanNv* Frm_NanNv = nullptr;

namespace {

constexpr QSize kClientSize{586, 527};
constexpr int kMemoHeight = 485;

// A grooved panel in `column`, laying out its own children in a column.
QFrame* addGroovedPanel(QBoxLayout& column, const QString& name)
{
    auto* panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(2);
    column.addWidget(panel);
    return panel;
}

QBoxLayout& columnOf(QWidget& panel)
{
    return *static_cast<QBoxLayout*>(panel.layout());
}

// The chart's columns line up only where Latin letters take half the width of a Chinese
// character, as they do in 宋体; where 宋体 is missing the monospaced Noto face keeps that,
// which 宋体's proportional stand-in would not.
QFont chartFont()
{
    QFont font = defaultFormFont();
    font.setFamilies({formFaceName(FormFace::Song), QStringLiteral("Noto Sans Mono CJK SC")});
    return font;
}

} // namespace

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent)
{
    setUpFixedDialog(*this, QStringLiteral("Frm_NanNv"), QStringLiteral("生男生女"), kClientSize);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    RzPanel1 = addGroovedPanel(*window, QStringLiteral("RzPanel1"));
    RzPanel2 = addGroovedPanel(columnOf(*RzPanel1), QStringLiteral("RzPanel2"));

    RzMemo1 = new QPlainTextEdit(conceptionChartText(), RzPanel2);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setFont(chartFont());
    RzMemo1->setFixedHeight(kMemoHeight);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    RzLabel1 = new QLabel(conceptionChartNote(), RzPanel2);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);

    columnOf(*RzPanel2).addWidget(RzMemo1);
    columnOf(*RzPanel2).addWidget(RzLabel1, 1, Qt::AlignTop);
}

void openConceptionChart()
{
    openReplacing(Frm_NanNv);
}

} // namespace lumora
