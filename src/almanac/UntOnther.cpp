#include "almanac/UntOnther.h"

#include "almanac/BodySigns.h"
#include "forms/FormRows.h"
#include "forms/FormWindow.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

namespace lumora {

TFormOnther* FormOnther = nullptr;

namespace {

constexpr QSize kClientSize{440, 400};

constexpr QStringView kDoubleHourNote = u"说明：\n"
                                        u"   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
                                        u"   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
                                        u"   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点";

QPlainTextEdit* newSignMemo(QWidget* parent, int page)
{
    QPlainTextEdit* memo = newMemo(parent, QStringLiteral("SignMemo%1").arg(page), true);
    memo->setPlainText(bodySignText(page));
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, Qt::white);
    memo->setPalette(palette);
    return memo;
}

} // namespace

TFormOnther::TFormOnther(QWidget* parent) : QDialog(parent)
{
    setUpFixedDialog(*this, QStringLiteral("FormOnther"), QStringLiteral("FormOnther"), kClientSize);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* column = new QVBoxLayout(this);
    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    for (int page = 0; page < kBodySignPageCount; ++page)
        RzPageControl1->addTab(newSignMemo(RzPageControl1, page), QString());
    RzPageControl1->tabBar()->hide();
    column->addWidget(RzPageControl1, 1);

    RzLabel1 = new QLabel(kDoubleHourNote.toString(), this);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setStyleSheet(QStringLiteral("color: #000080;"));
    column->addWidget(RzLabel1);
}

TFormOnther::~TFormOnther()
{
    if (FormOnther == this)
        FormOnther = nullptr;
}

void TFormOnther::showPage(int page)
{
    RzPageControl1->setVisible(isBodySignPage(page));
    if (!isBodySignPage(page))
        return;
    RzPageControl1->setCurrentIndex(page);
    // The page control switches to any enabled page on Ctrl+Tab, tab strip or not.
    for (int other = 0; other < RzPageControl1->count(); ++other)
        RzPageControl1->setTabEnabled(other, other == page);
}

void TFormOnther::FormClose()
{
    FormOnther = nullptr;
}

void TFormOnther::closeEvent(QCloseEvent* event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void ShowBodySignDivination(const QString& title, int page)
{
    FormOnther = new TFormOnther;
    FormOnther->setWindowTitle(title);
    FormOnther->showPage(page);
    FormOnther->show();
}

} // namespace lumora
