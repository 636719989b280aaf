#include "almanac/lumora.h"

#include "almanac/DailyAlmanac.h"
#include "almanac/DayHours.h"
#include "almanac/HoursPanel.h"
#include "data/uShare.h"
#include "forms/DateLists.h"
#include "forms/FormFonts.h"
#include "forms/FormRows.h"
#include "forms/FormWindow.h"
#include "forms/OneLineLabel.h"
#include "forms/PickedDateTip.h"
#include "platform/ErrorReport.h"
#include "platform/MemoPrinter.h"
#include "platform/Platform.h"
#include "platform/WindowPlacement.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

namespace lumora {

TFormLumora* FormLumora = nullptr;

namespace {

struct GlossaryEntry {
    const char16_t* term;
    const char16_t* explanation; // a "\n" marks where a long entry continues on a second line
};

// The almanac's activity terms as the memo uses them, with a plain explanation of each.
// clang-format off
constexpr std::array<GlossaryEntry, 32> kGlossary{{
    {u"嫁娶", u"男娶女嫁，举行结婚大典的吉日"},
    {u"祭祀", u"指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事"},
    {u"安葬", u"举行埋葬等仪式"},
    {u"出行", u"指外出旅行、观光游览"},
    {u"祈福", u"祈求神明降福或设醮还愿之事"},
    {u"动土", u"建筑时、第一次动起锄头挖土"},
    {u"安床", u"指安置睡床卧铺之意"},
    {u"开光", u"佛像塑成后、供奉上位之事"},
    {u"纳采", u"缔结婚姻的仪式、受授聘金"},
    {u"入殓", u"将尸体放入棺材之意"},
    {u"移徙", u"指搬家迁移住所之意"},
    {u"破土", u"仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。现\n"
              u"今社会上多已滥用属阴宅择日时属阴宅须辨别之。"},
    {u"解除", u"指冲洗清扫宅舍、解除灾厄等事"},
    {u"入宅", u"即迁入新宅、所谓“新居落成典礼”也"},
    {u"修造", u"指阳宅之造与修理"},
    {u"栽种", u"种植物“接果”“种田禾”同"},
    {u"开市", u"“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。包括：(1)年头初开始营业或开工等\n"
              u"事(2)新设店铺商行或新厂开幕等事"},
    {u"移柩", u"行葬仪时、将棺木移出屋外之事"},
    {u"订盟", u"订婚仪式的一种，俗称小聘(订)"},
    {u"拆卸", u"拆掉建筑物"},
    {u"立卷", u"订立各种契约互相买卖之事"},
    {u"交易", u"订立各种契约互相买卖之事"},
    {u"求嗣", u"指向神明祈求后嗣(子孙)之意"},
    {u"上梁", u"装上建筑物屋顶的梁，同架马"},
    {u"纳财", u"购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等"},
    {u"起基", u"建筑时、第一次动起锄头挖土"},
    {u"斋醮", u"庙宇建醮前需举行的斋戒仪式"},
    {u"赴任", u"走马上任"},
    {u"冠笄", u"男女年满二十岁所举行的成年礼仪式"},
    {u"安门", u"放置正门门框"},
    {u"修坟", u"修理坟墓"},
    {u"挂匾", u"指悬挂招牌或各种匾额"},
}};
// clang-format on

} // namespace

QString almanacGlossary()
{
    QStringList lines;
    for (const GlossaryEntry& entry : kGlossary)
        lines << QString::fromUtf16(entry.term) + QStringLiteral(" ：") + QString::fromUtf16(entry.explanation);
    return lines.join(QLatin1Char('\n'));
}

TFormLumora::TFormLumora(QWidget* parent) : QWidget(parent, Qt::Window | kCloseBoxOnly)
{
    setObjectName(QStringLiteral("FormLumora"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("黄道吉日"));
    setFont(defaultFormFont());
    resize(640, 720);

    auto* layout = new QVBoxLayout(this);

    auto* pickGroup = new QGroupBox(this);
    auto* pickLayout = new QVBoxLayout(pickGroup);
    auto* row1 = new QHBoxLayout;
    addCaption(pickGroup, *row1, QStringLiteral("选择黄历："));
    const DateLists lists = addDateLists(pickGroup, *row1);
    SYear = lists.year;
    SMonth = lists.month;
    Sday = lists.day;
    row1->addSpacing(12);
    RzBitBtn1 = addButton(pickGroup, *row1, QStringLiteral("RzBitBtn1"), QStringLiteral("测算"));
    RzBitBtn3 = addButton(pickGroup, *row1, QStringLiteral("RzBitBtn3"), QStringLiteral("打印"));
    RzBitBtn2 = addButton(pickGroup, *row1, QStringLiteral("RzBitBtn2"), QStringLiteral("关闭"));
    row1->addStretch();
    pickLayout->addLayout(row1);

    auto* row2 = new QHBoxLayout;
    const QLabel* overviewCaption = addCaption(pickGroup, *row2, QStringLiteral("当日统览："), true);
    Label1 = new QLabel(pickGroup);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(overviewCaption->font());
    Label1->setStyleSheet(QStringLiteral("color: #FF0000;"));
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row2->addWidget(Label1, 1);
    pickLayout->addLayout(row2);
    layout->addWidget(pickGroup);

    Memo1 = newMemo(this, QStringLiteral("Memo1"), false);
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(newMemoGroup(this, QStringLiteral("测算结果："), Memo1), 1);
    hoursPanel = new HoursPanel(this);
    resultRow->addWidget(hoursPanel);
    layout->addLayout(resultRow, 5);

    Memo2 = newMemo(this, QStringLiteral("Memo2"), true);
    Memo2->setPlainText(almanacGlossary());
    layout->addWidget(newMemoGroup(this, QStringLiteral("黄历名词解释："), Memo2), 3);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TFormLumora::RzBitBtn1Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TFormLumora::RzBitBtn3Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFormLumora::RzBitBtn2Click);

    FormCreate();
}

TFormLumora::~TFormLumora()
{
    if (FormLumora == this)
        FormLumora = nullptr;
}

void TFormLumora::FormCreate()
{
    ADOQuery1.setConnectionString(BirthConnectionString());
}

void TFormLumora::FormShow()
{
    fillEmptyDateLists(dateLists(), platform().today());
    RzBitBtn1Click();
}

void TFormLumora::RzBitBtn1Click()
{
    const std::optional<PickedDate> picked = checkPickedDateShowingTip(dateLists());
    if (!picked)
        return;
    runReportingErrors([&] {
        const std::optional<AlmanacEntry> entry = queryDailyAlmanac(ADOQuery1, picked->dateText);
        hoursPanel->showDay(queryHourlyAlmanac(ADOQuery1, picked->dateText));
        if (!entry)
            return; // no row for the day: the window keeps what it showed
        setOneLineText(*Label1, entry->overview);
        Memo1->setPlainText(entry->memoLines.join(QLatin1Char('\n')));
    });
}

void TFormLumora::RzBitBtn3Click()
{
    runReportingErrors([&] { printMemoReport(Memo1->toPlainText()); });
}

DateLists TFormLumora::dateLists() const
{
    return {SYear, SMonth, Sday};
}

void TFormLumora::RzBitBtn2Click()
{
    close();
}

void TFormLumora::FormClose()
{
    FormLumora = nullptr;
}

void TFormLumora::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormLumora::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

TFormLumora* ShowDailyAlmanac(const QString& year, const QString& month, const QString& day)
{
    FormLumora = new TFormLumora;
    TFormLumora* window = FormLumora;
    setDateTexts(window->dateLists(), year, month, day);
    centreOnScreen(*window);
    window->show();
    return window;
}

} // namespace lumora
