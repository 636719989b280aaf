#include "forms/ToolForm.h"

#include "forms/FormRows.h"
#include "forms/FormWindow.h"
#include "platform/ErrorReport.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumora {
namespace {

QLabel* addResultLine(QGroupBox* group, QGridLayout& grid, const QString& caption, const QString& valueName)
{
    const int row = grid.rowCount();
    auto* captionLabel = new QLabel(caption, group);
    grid.addWidget(captionLabel, row, 0, Qt::AlignTop | Qt::AlignRight);
    auto* value = new QLabel(group);
    value->setObjectName(valueName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid.addWidget(value, row, 1, Qt::AlignTop);
    return value;
}

} // namespace

ToolForm::ToolForm(const ToolFormWords& words, QWidget* parent) : QDialog(parent)
{
    setUpFixedDialog(*this, words.objectName, words.caption, words.clientSize);
    setAttribute(Qt::WA_DeleteOnClose);

    column_ = new QVBoxLayout(this);
    auto* inputRow = new QHBoxLayout;
    addCaption(this, *inputRow, words.boxCaption);
    edtmun = new QLineEdit(this);
    edtmun->setObjectName(QStringLiteral("edtmun"));
    edtmun->setMaxLength(words.maxLength);
    edtmun->installEventFilter(this);
    inputRow->addWidget(edtmun, 1);
    RzBitBtn1 = addButton(this, *inputRow, QStringLiteral("RzBitBtn1"), QStringLiteral("测算"));
    RzBitBtn2 = addButton(this, *inputRow, QStringLiteral("RzBitBtn2"), QStringLiteral("关闭"));
    // Enter belongs to the box, not to a default button.
    RzBitBtn1->setAutoDefault(false);
    RzBitBtn2->setAutoDefault(false);
    column_->addLayout(inputRow);

    auto* group = new QGroupBox(QStringLiteral("测算结果"), this);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    RzLabel11 = addResultLine(group, *grid, words.firstLineCaption, QStringLiteral("RzLabel11"));
    RzLabel10 = addResultLine(group, *grid, QStringLiteral("状态："), QStringLiteral("RzLabel10"));
    RzLabel9 = addResultLine(group, *grid, QStringLiteral("吉凶："), QStringLiteral("RzLabel9"));
    RzLabel9->setStyleSheet(QStringLiteral("color: #FF0000;"));
    RzLabel8 = addResultLine(group, *grid, QStringLiteral("具体表现："), QStringLiteral("RzLabel8"));
    RzLabel8->setWordWrap(true);
    grid->setRowStretch(grid->rowCount(), 1);
    column_->addWidget(group, 1);

    const auto analyse = [this] { runReportingErrors([this] { RzBitBtn1Click(); }); };
    connect(RzBitBtn1, &QPushButton::clicked, this, analyse);
    connect(edtmun, &QLineEdit::returnPressed, this, analyse);
    connect(RzBitBtn2, &QPushButton::clicked, this, &ToolForm::RzBitBtn2Click);
}

void ToolForm::RzBitBtn2Click()
{
    close();
}

QVBoxLayout& ToolForm::column()
{
    return *column_;
}

QString ToolForm::trimmedNumber() const
{
    return edtmun->text().trimmed();
}

void ToolForm::showResult(const QString& number, const QString& state, const QString& verdict, const QString& detail)
{
    for (QLabel* value : {RzLabel11, RzLabel10, RzLabel9, RzLabel8})
        value->clear();
    RzLabel11->setText(number);
    RzLabel10->setText(state);
    RzLabel9->setText(verdict);
    RzLabel8->setText(detail);
}

bool ToolForm::edtmunKeyPress(const QKeyEvent& event)
{
    const QString text = event.text();
    // Keys that type nothing (arrows, Delete), control characters (Backspace, Enter) and
    // shortcuts (the clipboard's Ctrl+V) pass; of what is typed, only digits.
    if (text.isEmpty() || text.front().category() == QChar::Other_Control ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return true;
    return text.size() == 1 && text.front() >= u'0' && text.front() <= u'9';
}

bool ToolForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtmun && event->type() == QEvent::KeyPress && !edtmunKeyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace lumora
