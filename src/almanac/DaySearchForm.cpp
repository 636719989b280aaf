#include "almanac/DaySearchForm.h"

#include "data/uShare.h"
#include "forms/EditableList.h"
#include "forms/FormRows.h"
#include "forms/FormWindow.h"
#include "platform/ErrorReport.h"
#include "platform/MemoPrinter.h"
#include "platform/Platform.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <array>

namespace lumora {
namespace {

// clang-format off
// How far ahead to look, and whether for days that suit the activity or days to avoid.
constexpr std::array<QStringView, 6> kSpans{
    u"3天以内", u"一周以内", u"一月以内", u"三月以内", u"半年以内", u"一年以年"};
constexpr QStringView kInitialSpan = u"一月以内";
constexpr std::array<QStringView, 2> kSuitabilities{u"宜", u"忌"};

// Each clock hour after its double-hour's branch: 子 runs from 23 to 1 o'clock.
constexpr std::array<QStringView, 24> kHours{
    u"子 0",  u"丑 1",  u"丑 2",  u"寅 3",  u"寅 4",  u"卯 5",  u"卯 6",  u"辰 7",
    u"辰 8",  u"巳 9",  u"巳 10", u"午 11", u"午 12", u"未 13", u"未 14", u"申 15",
    u"申 16", u"酉 17", u"酉 18", u"戌 19", u"戌 20", u"亥 21", u"亥 22", u"子 23"};

constexpr std::array<QStringView, 2> kWeddingLabels{u"老公", u"老婆"};
// clang-format on

constexpr int kYearWidth = 60;
constexpr int kNumberWidth = 44;
constexpr int kHourWidth = 64;
constexpr int kSpanWidth = 84;

// An editable list with its first text shown.
QComboBox* newChoiceList(QWidget* parent, const QString& objectName, const QStringList& items, const QString& initial,
                         int width)
{
    QComboBox* list = newEditableList(parent, objectName, items);
    list->setEditText(initial);
    list->setFixedWidth(width);
    return list;
}

PersonRow newPersonRow(QWidget* parent, int number, const QString& caption)
{
    const auto name = [number](const char* stem) { return QString::fromLatin1(stem) + QString::number(number); };
    PersonRow row{};
    row.layout = new QHBoxLayout;
    row.box = new QCheckBox(caption, parent);
    row.box->setObjectName(name("CB"));
    row.layout->addWidget(row.box);
    QHBoxLayout& lists = *row.layout;
    row.dates.year =
        addListWithUnit(parent, lists, name("Year"), numberItems(1900, 2030), kYearWidth, QStringLiteral("年"));
    row.dates.month =
        addListWithUnit(parent, lists, name("Month"), numberItems(1, 12), kNumberWidth, QStringLiteral("月"));
    row.dates.day = addListWithUnit(parent, lists, name("Day"), numberItems(1, 31), kNumberWidth, QStringLiteral("日"));
    row.hour = addListWithUnit(parent, lists, name("Shour"), listItems(kHours), kHourWidth, QStringLiteral("时"));
    row.hour->setEditText(kHours.front().toString());
    row.minute = addListWithUnit(parent, lists, name("CBFen"), numberItems(0, 59), kNumberWidth, QStringLiteral("分"));
    row.minute->setEditText(QStringLiteral("0"));
    return row;
}

BirthTexts birthTexts(const PersonRow& row, const QString& label)
{
    return {label,
            row.dates.year->currentText(),
            row.dates.month->currentText(),
            row.dates.day->currentText(),
            row.hour->currentText(),
            row.minute->currentText()};
}

QPushButton* newButton(QWidget* parent, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

QString weddingPersonLabel(int row)
{
    return kWeddingLabels.at(std::size_t(row)).toString();
}

DaySearchForm::DaySearchForm(const DaySearchFormWords& words, QWidget* parent) : QDialog(parent)
{
    setUpFixedDialog(*this, words.objectName, words.caption, words.clientSize);
    setAttribute(Qt::WA_DeleteOnClose);

    spanRow_ = new QHBoxLayout;
    addCaption(this, *spanRow_, QStringLiteral("选择日子："));
    SYear = newChoiceList(this, QStringLiteral("SYear"), listItems(kSpans), kInitialSpan.toString(), kSpanWidth);
    SMonth = newChoiceList(this, QStringLiteral("SMonth"), listItems(kSuitabilities), kSuitabilities.front().toString(),
                           kNumberWidth);
    spanRow_->addWidget(SYear);
    spanRow_->addWidget(SMonth);

    int boxWidth = 0;
    for (const QString& caption : words.personCaptions) {
        personRows_ << newPersonRow(this, int(personRows_.size()) + 1, caption);
        boxWidth = std::max(boxWidth, personRows_.back().box->sizeHint().width());
    }
    // The rows' lists stand in columns, whatever each box's caption.
    for (const PersonRow& row : personRows_)
        row.box->setMinimumWidth(boxWidth);

    RzBitBtn1 = newButton(this, QStringLiteral("RzBitBtn1"), QStringLiteral("测算"));
    RzBitBtn3 = newButton(this, QStringLiteral("RzBitBtn3"), QStringLiteral("打印"));
    Memo1 = newMemo(this, QStringLiteral("Memo1"), false);
    resultGroup_ = newMemoGroup(this, QStringLiteral("测算结果："), Memo1);

    connect(RzBitBtn1, &QPushButton::clicked, this, &DaySearchForm::RzBitBtn1Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &DaySearchForm::RzBitBtn3Click);

    FormCreate();
}

void DaySearchForm::FormCreate()
{
    birthConnection_ = BirthConnectionString();
}

DaySearchConditions DaySearchForm::conditions() const
{
    DaySearchConditions conditions{activity(), SYear->currentText(), SMonth->currentText(), {}, excludedDirections()};
    for (int row = 0; row < personRows_.size(); ++row) {
        const QCheckBox* box = personRows_[row].box;
        if (box->isChecked() && box->isEnabled())
            conditions.persons << birthTexts(personRows_[row], personLabel(row));
    }
    return conditions;
}

const QList<PersonRow>& DaySearchForm::personRows() const
{
    return personRows_;
}

QStringList DaySearchForm::excludedDirections() const
{
    return {};
}

void DaySearchForm::RzBitBtn1Click()
{
    // A data file that fails goes to the error box; the memo keeps what it showed.
    runReportingErrors([this] {
        const DaySearchReport report = searchDays(conditions(), platform().today(), birthConnection_);
        Memo1->setPlainText(report.lines.join(u'\n'));
    });
}

void DaySearchForm::RzBitBtn3Click()
{
    runReportingErrors([this] { printMemoReport(Memo1->toPlainText()); });
}

QHBoxLayout& DaySearchForm::spanRow() const
{
    return *spanRow_;
}

QGroupBox* DaySearchForm::resultGroup() const
{
    return resultGroup_;
}

void DaySearchForm::FormShow()
{
    const PersonRow& first = personRows_.front();
    setDateTexts(first.dates, platform().today());
    for (const PersonRow& row : personRows_.sliced(1))
        setDateTexts(row.dates, first.dates.year->currentText(), first.dates.month->currentText(),
                     first.dates.day->currentText());
}

void DaySearchForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void DaySearchForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QDialog::closeEvent(event);
}

} // namespace lumora
