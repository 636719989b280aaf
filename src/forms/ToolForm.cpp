#include "forms/ToolForm.h"

#include "divination/NetName.h"
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
#include <QValidator>

namespace lumora {
namespace {

// Shows and returns Latin letters in upper case, whether typed or pasted.
class UpperCaseLatin final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input = upperCaseLatin(input);
        return Acceptable;
    }
};

} // namespace

ToolForm::ToolForm(const ToolFormWords& words, QWidget* parent) : QDialog(parent), box_(words.box)
{
    setUpFixedDialog(*this, words.objectName, words.caption, words.clientSize);
    setAttribute(Qt::WA_DeleteOnClose);

    column_ = new QVBoxLayout(this);
    auto* inputRow = new QHBoxLayout;
    addCaption(this, *inputRow, words.boxCaption);
    edtmun = new QLineEdit(this);
    edtmun->setObjectName(QStringLiteral("edtmun"));
    edtmun->setMaxLength(words.maxLength);
    if (box_ == ToolBox::Number)
        edtmun->installEventFilter(this);
    else
        edtmun->setValidator(new UpperCaseLatin(edtmun));
    inputRow->addWidget(edtmun, 1);
    RzBitBtn1 = addButton(this, *inputRow, QStringLiteral("RzBitBtn1"), QStringLiteral("测算"));
    RzBitBtn2 = addButton(this, *inputRow, QStringLiteral("RzBitBtn2"), QStringLiteral("关闭"));
    // Enter belongs to the box, not to a default button.
    RzBitBtn1->setAutoDefault(false);
    RzBitBtn2->setAutoDefault(false);
    column_->addLayout(inputRow);

    auto* group = new QGroupBox(QStringLiteral("测算结果"), this);
    results_ = new QGridLayout(group);
    results_->setColumnStretch(1, 1);
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

QLabel* ToolForm::addResultLine(const QString& caption, const QString& valueName)
{
    auto* group = results_->parentWidget();
    // Lines stay at the top of the group: the stretch moves below the newest one.
    const int row = results_->rowCount() > 0 ? results_->rowCount() - 1 : 0;
    results_->setRowStretch(row, 0);
    if (!caption.isEmpty())
        results_->addWidget(new QLabel(caption, group), row, 0, Qt::AlignTop | Qt::AlignRight);
    auto* value = new QLabel(group);
    value->setObjectName(valueName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (caption.isEmpty())
        results_->addWidget(value, row, 0, 1, 2, Qt::AlignTop);
    else
        results_->addWidget(value, row, 1, Qt::AlignTop);
    results_->setRowStretch(row + 1, 1);
    return value;
}

QString ToolForm::trimmedInput() const
{
    return edtmun->text().trimmed();
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

ReadingForm::ReadingForm(const ToolFormWords& words, const QString& firstLineCaption, QWidget* parent)
    : ToolForm(words, parent)
{
    RzLabel11 = addResultLine(firstLineCaption, QStringLiteral("RzLabel11"));
    RzLabel10 = addResultLine(QStringLiteral("状态："), QStringLiteral("RzLabel10"));
    RzLabel9 = addResultLine(QStringLiteral("吉凶："), QStringLiteral("RzLabel9"));
    RzLabel9->setStyleSheet(QStringLiteral("color: #FF0000;"));
    RzLabel8 = addResultLine(QStringLiteral("具体表现："), QStringLiteral("RzLabel8"));
    RzLabel8->setWordWrap(true);
}

void ReadingForm::showResult(const QString& number, const QString& state, const QString& verdict, const QString& detail)
{
    for (QLabel* value : {RzLabel11, RzLabel10, RzLabel9, RzLabel8})
        value->clear();
    RzLabel11->setText(number);
    RzLabel10->setText(state);
    RzLabel9->setText(verdict);
    RzLabel8->setText(detail);
}

} // namespace lumora
