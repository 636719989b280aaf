#include "almanac/UntJiDay.h"

#include "almanac/CaptionActivity.h"
#include "almanac/lumora.h"
#include "data/LineBreaking.h"
#include "forms/EditableList.h"
#include "forms/FormRows.h"
#include "forms/Opener.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

namespace lumora {

TFrmJiDay* FrmJiDay = nullptr;

namespace {

constexpr QSize kClientSize{900, 680};
constexpr QStringView kWedding = u"嫁娶";
constexpr int kPersonCount = 6;
constexpr int kWeddingPersonCount = 2;
// What the glossary box beside the conditions shows in a line, in half-width columns.
constexpr int kGlossaryColumns = 48;

// clang-format off
constexpr std::array<QStringView, 15> kActivities{
    u"开市", u"交易", u"嫁娶", u"入宅", u"入学", u"纳财", u"订盟", u"安门",
    u"出行", u"开光", u"求嗣", u"祈福", u"破土", u"祭祀", u"安葬"};

struct DirectionBox {
    const char* objectName;
    QStringView caption;
    QStringView direction; // as the search takes it
};
constexpr std::array<DirectionBox, 4> kDirections{{
    {"CB01", u"煞东", u"东"},
    {"CB02", u"煞南", u"南"},
    {"CB03", u"煞西", u"西"},
    {"CB04", u"煞北", u"北"},
}};
// clang-format on

QStringList personCaptions()
{
    QStringList captions;
    for (int number = 1; number <= kPersonCount; ++number)
        captions << QStringLiteral("启用人员%1").arg(number);
    return captions;
}

QCheckBox* addDirectionBox(QWidget* parent, QBoxLayout& row, const DirectionBox& direction)
{
    auto* box = new QCheckBox(direction.caption.toString(), parent);
    box->setObjectName(QString::fromLatin1(direction.objectName));
    row.addWidget(box);
    return box;
}

QLabel* newNote(QWidget* parent, const QString& text)
{
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

} // namespace

TFrmJiDay::TFrmJiDay(QWidget* parent)
    : DaySearchForm({QStringLiteral("FrmJiDay"), QStringLiteral("吉日"), kClientSize, personCaptions()}, parent)
{
    auto* window = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    window->addLayout(top, 3);

    auto* conditionsGroup = new QGroupBox(QStringLiteral("测算条件"), this);
    auto* column = new QVBoxLayout(conditionsGroup);
    top->addWidget(conditionsGroup);

    QHBoxLayout& spanRow = this->spanRow();
    RzLabel3 = new QLabel(QStringLiteral("吉日内容："), this);
    RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
    RzLabel3->hide();
    Sday = newEditableList(this, QStringLiteral("Sday"), listItems(kActivities));
    Sday->setEditText(kWedding.toString());
    Sday->setFixedWidth(64);
    Sday->hide();
    spanRow.addSpacing(12);
    spanRow.addWidget(RzLabel3);
    spanRow.addWidget(Sday);
    spanRow.addStretch();
    column->addLayout(&spanRow);

    for (const PersonRow& row : personRows()) {
        row.layout->insertWidget(1, new QLabel(QStringLiteral("公历"), this));
        row.layout->addStretch();
        column->addLayout(row.layout);
    }

    auto* directionRow = new QHBoxLayout;
    addCaption(this, *directionRow, QStringLiteral("排除冲煞方位："));
    CB01 = addDirectionBox(this, *directionRow, kDirections[0]);
    CB02 = addDirectionBox(this, *directionRow, kDirections[1]);
    CB03 = addDirectionBox(this, *directionRow, kDirections[2]);
    CB04 = addDirectionBox(this, *directionRow, kDirections[3]);
    directionRow->addStretch();
    column->addLayout(directionRow);

    column->addWidget(newNote(this, QStringLiteral("冲煞方位说明：例如朝向或方位为南方，就要排除煞南选项。")));
    column->addWidget(newNote(this, QStringLiteral("其他说明：如查询不到数据请检测系统时间或联系我们给你查明原因。")));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(RzBitBtn1);
    buttonRow->addWidget(RzBitBtn3);
    RzBitBtn4 = addButton(this, *buttonRow, QStringLiteral("RzBitBtn4"), QStringLiteral("关闭"));
    buttonRow->addStretch();
    column->addLayout(buttonRow);
    column->addStretch();

    Memo2 = newMemo(this, QStringLiteral("Memo2"), true);
    Memo2->setPlainText(breakLongLines(almanacGlossary(), kGlossaryColumns));
    top->addWidget(newMemoGroup(this, QStringLiteral("黄历名词解释："), Memo2), 1);

    window->addWidget(resultGroup(), 2);

    connect(Sday, &QComboBox::currentTextChanged, this, &TFrmJiDay::SdayChange);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFrmJiDay::RzBitBtn4Click);
}

QString TFrmJiDay::activity() const
{
    return FMode == 1 ? Sday->currentText().trimmed() : activityOfCaption(windowTitle());
}

QString TFrmJiDay::personLabel(int row) const
{
    if (weddingCaptions_ && row < kWeddingPersonCount)
        return weddingPersonLabel(row);
    return QStringLiteral("人员%1").arg(row + 1);
}

QStringList TFrmJiDay::excludedDirections() const
{
    const std::array<const QCheckBox*, kDirections.size()> boxes{CB01, CB02, CB03, CB04};
    QStringList directions;
    for (std::size_t i = 0; i < kDirections.size(); ++i) {
        if (boxes[i]->isChecked())
            directions << kDirections[i].direction.toString();
    }
    return directions;
}

void TFrmJiDay::enterWeddingState()
{
    const QList<PersonRow>& rows = personRows();
    rows[0].box->setText(QStringLiteral("老公生日"));
    rows[1].box->setText(QStringLiteral("老婆生日"));
    for (int row = 0; row < rows.size(); ++row) {
        if (row < kWeddingPersonCount)
            rows[row].box->setChecked(true);
        else
            rows[row].box->setEnabled(false);
    }
    weddingCaptions_ = true;
}

void TFrmJiDay::SdayChange()
{
    if (activity() == kWedding) {
        enterWeddingState();
        return;
    }
    // The first two rows keep their wedding captions and check marks.
    for (const PersonRow& row : personRows().sliced(kWeddingPersonCount))
        row.box->setEnabled(true);
}

void TFrmJiDay::RzBitBtn4Click()
{
    close();
}

void TFrmJiDay::FormShow()
{
    DaySearchForm::FormShow();
    if (activity() == kWedding)
        enterWeddingState();
}

void TFrmJiDay::FormClose()
{
    FrmJiDay = nullptr;
}

void ShowAuspiciousDaySearch(const QString& activity, int mode)
{
    auto* window = new TFrmJiDay;
    window->setWindowTitle(activity);
    window->FMode = mode;
    if (mode == 1) {
        window->RzLabel3->show();
        window->Sday->show();
    }
    openModally(FrmJiDay, window);
}

} // namespace lumora
