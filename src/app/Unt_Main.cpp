#include "app/Unt_Main.h"

#include "almanac/lumora.h"
#include "app/Artwork.h"
#include "app/CommandPages.h"
#include "app/Commands.h"
#include "app/Contacts.h"
#include "app/MainMenuBar.h"
#include "app/PictureBox.h"
#include "app/ShellTargets.h"
#include "forms/DateLists.h"
#include "forms/FormFonts.h"
#include "forms/FormRows.h"
#include "forms/FormWindow.h"
#include "forms/PickedDateTip.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>

#include <utility>

namespace lumora {
namespace {

QPushButton* headerButton(QWidget* parent, const QString& caption, const char* name, const char* colour)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; font-weight: bold; padding: 2px 8px; }").arg(QLatin1String(colour)));
    return button;
}

} // namespace

TFrmmain::TFrmmain(QWidget* parent) : QMainWindow(parent, Qt::Window | kCloseBoxOnly | Qt::WindowMinimizeButtonHint)
{
    setObjectName(QStringLiteral("Frmmain"));
    setWindowTitle(QStringLiteral("Lumora"));
    setWindowIcon(applicationIcon());
    setFont(defaultFormFont());

    createMenuBar();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createHeader());
    layout->addWidget(createBody(), 1);
    setCentralWidget(central);

    createStatusBar();
    setFixedSize(800, 600);
}

void TFrmmain::createMenuBar()
{
    setMenuBar(new MainMenuBar(*this));
}

QWidget* TFrmmain::createHeader()
{
    auto* banner = new PictureBox(bannerPicture(), this);
    RzPanel1 = banner;
    Image1 = banner;
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFixedHeight(84);
    // Light text on the dark red band; the lists and buttons carry their own colours.
    QPalette bandPalette = RzPanel1->palette();
    bandPalette.setColor(QPalette::WindowText, bannerTextColour());
    RzPanel1->setPalette(bandPalette);

    auto* rows = new QVBoxLayout;
    rows->setSpacing(4);
    auto* pickRow = new QHBoxLayout;
    pickRow->setSpacing(3);
    addCaption(RzPanel1, *pickRow, QStringLiteral("选择黄历："));
    const DateLists lists = addDateLists(RzPanel1, *pickRow);
    SYear = lists.year;
    SMonth = lists.month;
    Sday = lists.day;
    RzButton57 = headerButton(RzPanel1, QStringLiteral("查询"), "RzButton57", "#0000FF");
    pickRow->addWidget(RzButton57);
    rows->addLayout(pickRow);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(3);
    buttonRow->addStretch();
    RzButton56 = headerButton(RzPanel1, QStringLiteral("本日吉日"), "RzButton56", "#FF0000");
    ServiceButton = headerButton(RzPanel1, QStringLiteral("客户服务"), "ServiceButton", "#FF0000");
    HomePageButton = headerButton(RzPanel1, QStringLiteral("软件主页"), "HomePageButton", "#FF0000");
    ChatButton = headerButton(RzPanel1, QStringLiteral("QQ对话"), "ChatButton", "#FF0000");
    for (QPushButton* button : {RzButton56, ServiceButton, HomePageButton, ChatButton})
        buttonRow->addWidget(button);
    rows->addLayout(buttonRow);

    auto* band = new QHBoxLayout(RzPanel1);
    band->setContentsMargins(8, 6, 10, 6);
    band->addStretch();
    band->addLayout(rows);

    connect(RzButton57, &QPushButton::clicked, this, &TFrmmain::RzButton57Click);
    connect(RzButton56, &QPushButton::clicked, this, &TFrmmain::RzButton56Click);
    // The other three act like their menu entries: the same commands.
    const std::pair<QPushButton*, CommandId> routed[] = {{ServiceButton, CommandId::CustomerService},
                                                         {HomePageButton, CommandId::HomePage},
                                                         {ChatButton, CommandId::QQChat}};
    for (const auto& [button, id] : routed)
        connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id, *this, captionOf(id)); });
    return RzPanel1;
}

QWidget* TFrmmain::createBody()
{
    auto* body = new QWidget(this);
    auto* layout = new QHBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Left: the two pages of command buttons, scrollable when they outgrow the column.
    RzPageControl1 = new QTabWidget;
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setTabShape(QTabWidget::Rounded);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet1->setAttribute(Qt::WA_StyledBackground);
    TabSheet1->setStyleSheet(QStringLiteral(
        "#TabSheet1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #F4F9FF, stop:1 #CFE3F7); }"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    fillActivityPage(*TabSheet1, *this);
    fillToolPage(*TabSheet2, *this);
    RzPageControl1->addTab(TabSheet1, QStringLiteral("吉日分类"));
    RzPageControl1->addTab(TabSheet2, QStringLiteral("其他查询"));
    RzPageControl1->setCurrentWidget(TabSheet1);

    LeftColumn = new QScrollArea(body);
    LeftColumn->setObjectName(QStringLiteral("LeftColumn"));
    LeftColumn->setFixedWidth(186);
    LeftColumn->setWidgetResizable(true);
    LeftColumn->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LeftColumn->setWidget(RzPageControl1);
    layout->addWidget(LeftColumn);

    // Right: the picture area; nothing here reacts to the user.
    auto* gradient = new QWidget(body);
    gradient->setObjectName(QStringLiteral("RzPanel2"));
    gradient->setAttribute(Qt::WA_StyledBackground);
    gradient->setStyleSheet(QStringLiteral(
        "#RzPanel2 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #EAF4FF, stop:1 #B9D7F2); }"));
    auto* gradientLayout = new QVBoxLayout(gradient);
    gradientLayout->setContentsMargins(0, 0, 0, 0);
    Image15 = new PictureBox(backgroundPicture(), gradient);
    Image15->setObjectName(QStringLiteral("Image15"));
    gradientLayout->addWidget(Image15);
    auto* inner = new QVBoxLayout(Image15);
    inner->setContentsMargins(0, 0, 0, 0);
    Image3 = new PictureBox(decorationPicture(), Image15);
    Image3->setObjectName(QStringLiteral("Image3"));
    inner->addWidget(Image3);
    layout->addWidget(gradient, 1);
    return body;
}

void TFrmmain::createStatusBar()
{
    RzStatusBar1 = statusBar();
    RzStatusBar1->setObjectName(QStringLiteral("RzStatusBar1"));
    RzStatusBar1->setSizeGripEnabled(false);
    RzStatusPane1 = new QLabel(QStringLiteral("欢迎使用 Lumora 黄历！诚邀您提出宝贵意见　服务电话：%1　邮箱：%2")
                                   .arg(QString::fromUtf16(contacts::kServicePhone), contacts::supportMail()),
                               RzStatusBar1);
    RzStatusPane1->setObjectName(QStringLiteral("RzStatusPane1"));
    RzStatusPane1->setStyleSheet(QStringLiteral("color: #000080;"));
    RzStatusBar1->addWidget(RzStatusPane1, 1);
}

QUrl TFrmmain::homePage()
{
    return QUrl(QString::fromLatin1(shell::kHomePage));
}

void TFrmmain::FormShow()
{
    fillEmptyDateLists(dateLists(), platform().today());
}

void TFrmmain::RzButton57Click()
{
    const std::optional<PickedDate> picked = checkPickedDateShowingTip(dateLists());
    if (picked)
        ShowDailyAlmanac(picked->year, picked->month, picked->day);
}

DateLists TFrmmain::dateLists() const
{
    return {SYear, SMonth, Sday};
}

void TFrmmain::RzButton56Click()
{
    ShowDailyAlmanac();
}

void TFrmmain::dxBarButton5Click()
{
    if (FormCloseQuery())
        endApplication();
}

bool TFrmmain::FormCloseQuery()
{
    if (!platform().askYesNo(this, QStringLiteral("询问"), QStringLiteral("您是否确定要退出系统？")))
        return false;
    platform().openUrl(homePage());
    exitConfirmed_ = true;
    return true;
}

void TFrmmain::endApplication()
{
    if (ending_)
        return;
    ending_ = true;
    // Every window goes, almanac windows included; the main window's close is not asked again.
    QApplication::closeAllWindows();
    QApplication::quit();
}

void TFrmmain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmmain::closeEvent(QCloseEvent* event)
{
    if (!exitConfirmed_ && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    endApplication();
}

} // namespace lumora
