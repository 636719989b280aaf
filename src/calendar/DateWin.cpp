#include "calendar/DateWin.h"

#include "calendar/DateCn.h"
#include "calendar/MonthSheet.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <exception>
#include <functional>
#include <utility>

namespace lumora {

TFRM_Date* FRM_Date = nullptr;

namespace {

constexpr QSize kClientSize{331, 285};
constexpr QRect kDayTemplateRect{14, 56, 36, 16};
constexpr QRect kCnDayTemplateRect{13, 73, 36, 12};
constexpr int kCellStepX = 42;
constexpr int kCellStepY = 32;
constexpr int kWeekdayStepX = 40;
constexpr int kWeekdayLeft = 20; // centres the 40-pixel heading row over the 42-pixel grid
constexpr int kUpperWeekdayTop = 38;
constexpr int kLowerWeekdayTop = 253;

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kMonthNumberColour = 0x8080C0;
constexpr QRgb kTodayBackground = 0xCEF2D0;
constexpr QRgb kYearWatermarkColour = 0xFFE8DD;
constexpr QRgb kMonthWatermarkColour = 0xEBEBEB;
constexpr QRgb kMarkColour = 0x7EE281;
constexpr QRgb kCnDayColour = 0x004000;
constexpr QRgb kZodiacColour = 0xDDDDFF;
constexpr QRgb kConstellationColour = 0xFF80FF;

// A label that reports a mouse press, and a click: a left press released over it.
class PressableLabel final : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void()> onPress;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        if (onPress)
            onPress();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (onClick && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick();
    }
};

QFont fontOf(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QFont songFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    return fontOf(QStringLiteral("宋体"), pixelSize, weight);
}

// Arial Black is a face of its own; the weight keeps a stand-in face heavy too.
QFont arialBlackFont(int pixelSize)
{
    return fontOf(QStringLiteral("Arial Black"), pixelSize, QFont::Black);
}

void setTextColour(QWidget& widget, QRgb rgb)
{
    QPalette palette = widget.palette();
    // A palette change costs a repolish and a repaint; most cells keep their colour.
    if (palette.color(QPalette::WindowText) == QColor(rgb))
        return;
    palette.setColor(QPalette::WindowText, QColor(rgb));
    widget.setPalette(palette);
}

void setFill(QWidget& widget, QRgb rgb)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, QColor(rgb));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

template <class Label = QLabel>
Label* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QFrame* addLine(QWidget* parent, const QString& name, int top)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, top, kClientSize.width() - 16, 2);
    return line;
}

QSpinBox* addSpinner(QWidget* parent, const QString& name, int minimum, int maximum, QPoint position)
{
    auto* spinner = new QSpinBox(parent);
    spinner->setObjectName(name);
    spinner->setRange(minimum, maximum);
    spinner->setWrapping(false);
    // Narrow enough to show only its arrows: the number stands large beside them.
    spinner->setGeometry(QRect(position, QSize(18, 26)));
    spinner->setFocusPolicy(Qt::NoFocus);
    return spinner;
}

// A label that answers a click, under a hand cursor.
PressableLabel* addClickable(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                             std::function<void()> onClick, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* label = addLabel<PressableLabel>(parent, name, text, geometry, alignment);
    label->setCursor(Qt::PointingHandCursor);
    label->onClick = std::move(onClick);
    return label;
}

// A cell label placed `offset` from its template, with the template's size, alignment,
// font and colour.
PressableLabel* addCellLabel(QWidget* parent, const QString& name, const QLabel& cellTemplate, QPoint offset)
{
    auto* label = addLabel<PressableLabel>(parent, name, {}, cellTemplate.geometry().translated(offset),
                                           cellTemplate.alignment());
    label->setFont(cellTemplate.font());
    label->setPalette(cellTemplate.palette());
    label->hide();
    return label;
}

// One row of week-day names, Sunday and Saturday in red.
void addWeekdayRow(QWidget* parent, const std::array<QLabel**, 7>& members, int firstNumber, int top)
{
    for (int column = 0; column < 7; ++column) {
        const QRect geometry(kWeekdayLeft + column * kWeekdayStepX, top, 36, 14);
        QLabel* label = addLabel(parent, QStringLiteral("Label%1").arg(firstNumber + column),
                                 weekdayName(column == 0 ? 7 : column), geometry);
        const bool weekend = column == 0 || column == 6;
        setTextColour(*label, weekend ? kRed : kBlack);
        *members[column] = label;
    }
}

} // namespace

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("Tesmer日历"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    setFont(songFont(12));
    setFill(*this, kWhite);

    createGridFrame();
    createHeader();
    BuildDayCells();
    CurDate = platform().today();
}

// Back to front: the frame, the watermarks and the mark lie under every label.
void TFRM_Date::createGridFrame()
{
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(QRect(QPoint(0, 0), kClientSize));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);
    setFill(*Shape1, kWhite);

    Label20 = addLabel(this, QStringLiteral("Label20"), {}, QRect(8, 58, 315, 80));
    Label20->setFont(arialBlackFont(64));
    setTextColour(*Label20, kYearWatermarkColour);
    Label16 = addLabel(this, QStringLiteral("Label16"), {}, QRect(8, 112, 315, 140));
    Label16->setFont(arialBlackFont(120));
    setTextColour(*Label16, kMonthWatermarkColour);

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->resize(38, 30);
    setFill(*Shape2, kMarkColour);

    day1 = addLabel(this, QStringLiteral("day1"), {}, kDayTemplateRect);
    // The day numbers alone are sized in points.
    day1->setFont(QFont(QStringLiteral("Arial Black"), 11, QFont::Black));
    setTextColour(*day1, kBlack);
    day1->hide();
    Cnday = addLabel(this, QStringLiteral("Cnday"), {}, kCnDayTemplateRect);
    Cnday->setFont(songFont(12));
    setTextColour(*Cnday, kCnDayColour);
    Cnday->hide();
}

void TFRM_Date::createHeader()
{
    const Qt::Alignment rightAligned = Qt::AlignRight | Qt::AlignVCenter;
    Label17 = addClickable(
        this, QStringLiteral("Label17"), {}, QRect(4, 0, 44, 38), [this] { Label17Click(); }, rightAligned);
    Label17->setFont(fontOf(QStringLiteral("Arial"), 32, QFont::Bold));
    setTextColour(*Label17, kMonthNumberColour);
    Label17->setToolTip(QStringLiteral("单击改变月份"));
    Label18 = addLabel(this, QStringLiteral("Label18"), QStringLiteral("月"), QRect(49, 14, 16, 18));
    Label18->setFont(songFont(14, QFont::Bold));
    UpDown2 = addSpinner(this, QStringLiteral("UpDown2"), 1, 12, QPoint(66, 8));
    connect(UpDown2, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown2Click);

    Label1 = addClickable(
        this, QStringLiteral("Label1"), {}, QRect(88, 0, 100, 38), [this] { Label1Click(); }, rightAligned);
    Label1->setFont(arialBlackFont(29));
    setTextColour(*Label1, kBlue);
    Label1->setToolTip(QStringLiteral("单击改变年份"));
    Label19 = addLabel(this, QStringLiteral("Label19"), QStringLiteral("年"), QRect(189, 14, 16, 18));
    Label19->setFont(songFont(14, QFont::Bold));
    UpDown1 = addSpinner(this, QStringLiteral("UpDown1"), kFirstCnYear, kLastCnYear, QPoint(206, 8));
    connect(UpDown1, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown1Click);

    StaticText1 = addClickable(this, QStringLiteral("StaticText1"), QStringLiteral("今天"), QRect(272, 10, 44, 20),
                               [this] { StaticText1Click(); });
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    setFill(*StaticText1, kTodayBackground);

    addWeekdayRow(this, {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8}, 2, kUpperWeekdayTop);
    Bevel2 = addLine(this, QStringLiteral("Bevel2"), kUpperWeekdayTop + 15);
    Bevel1 = addLine(this, QStringLiteral("Bevel1"), kLowerWeekdayTop - 4);
    addWeekdayRow(this, {&Label9, &Label10, &Label11, &Label12, &Label13, &Label14, &Label15}, 9, kLowerWeekdayTop);

    // The last grid row holds only two cells; the zodiac and constellation fill the rest.
    Label21 = addLabel(this, QStringLiteral("Label21"), {}, QRect(244, 213, 78, 35));
    Label21->setFont(fontOf(QStringLiteral("隶书"), 35, QFont::Bold));
    setTextColour(*Label21, kZodiacColour);
    Label22 = addLabel(this, QStringLiteral("Label22"), {}, QRect(150, 220, 92, 24), Qt::AlignRight | Qt::AlignVCenter);
    Label22->setFont(fontOf(QStringLiteral("黑体"), 19, QFont::Bold));
    setTextColour(*Label22, kConstellationColour);
}

void TFRM_Date::BuildDayCells()
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QPoint offset(((cell - 1) % 7) * kCellStepX, ((cell - 1) / 7) * kCellStepY);

        PressableLabel* dayLabel = addCellLabel(this, QStringLiteral("DayLabel%1").arg(cell), *day1, offset);
        dayLabel->onPress = [this, dayLabel] { CnDayMouseDown(*dayLabel); };
        dayLabel->onClick = [this, cell] { CnDayClick(cell); };
        DayLabels[cell] = dayLabel;

        PressableLabel* cnDayLabel = addCellLabel(this, QStringLiteral("CnDayLabel%1").arg(cell), *Cnday, offset);
        cnDayLabel->onPress = [this, cnDayLabel] { ChnDateMouseDown(*cnDayLabel); };
        cnDayLabel->onClick = [this, cell] { CHnDayClick(cell); };
        CnDayLabels[cell] = cnDayLabel;
    }
}

void TFRM_Date::ShowMonth(const QDate& date)
{
    const QString year = QString::number(date.year());
    const QString month = QString::number(date.month());
    Label20->setText(year);
    Label1->setText(year);
    Label17->setText(month);
    Label16->setText(month);
    Label21->setText(CnZodiacName(date));

    // QDate counts Monday as 1 and Sunday as 7; the grid starts with Sunday.
    firstCell_ = QDate(date.year(), date.month(), 1).dayOfWeek() % 7 + 1;
    int drawnDays = 0;
    // A failure while filling ends the filling quietly.
    try {
        const QList<DayCellText> texts = monthSheetTexts(date);
        for (int day = 1; day <= date.daysInMonth(); ++day) {
            const int cell = firstCell_ + day - 1;
            QLabel& dayLabel = *DayLabels[cell];
            QLabel& cnDayLabel = *CnDayLabels[cell];
            dayLabel.setText(QString::number(day));
            const DayCellText& text = texts[day - 1];
            cnDayLabel.setText(text.text);
            setTextColour(cnDayLabel, cellToneRgb(text.tone));
            if (day == date.day()) {
                CnDayMouseDown(dayLabel);
                Label22->setText(ConstellationOfDay(day, date));
            }
            drawnDays = day;
        }
    } catch (const std::exception&) {
    }

    // Only the cells of drawn days show. Set once per cell rather than hiding all and
    // showing some: each change of visibility costs an update of the window.
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const bool drawn = cell >= firstCell_ && cell < firstCell_ + drawnDays;
        DayLabels[cell]->setVisible(drawn);
        CnDayLabels[cell]->setVisible(drawn);
    }
}

QDate TFRM_Date::ClampedDate(int year, int month, int day)
{
    const int length = QDate(year, month, 1).daysInMonth();
    return QDate(year, month, std::min(day, length));
}

void TFRM_Date::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFRM_Date::closeEvent(QCloseEvent* event)
{
    FormClose(event);
}

void TFRM_Date::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow())
        return;
    // Losing the focus to another program leaves the window open; another window of
    // this program taking it closes the calendar.
    const QWidget* active = QApplication::activeWindow();
    if (active && active != this)
        FormDeactivate();
}

void TFRM_Date::FormShow()
{
    SelYear = static_cast<quint16>(CurDate.year());
    SelMonth = static_cast<quint16>(CurDate.month());
    SelDay = static_cast<quint16>(CurDate.day());
    {
        // Setting the spinners is not the user's choice: their handlers stay quiet.
        const QSignalBlocker yearBlocker(UpDown1);
        const QSignalBlocker monthBlocker(UpDown2);
        UpDown1->setValue(SelYear);
        UpDown2->setValue(SelMonth);
    }
    ShowMonth(CurDate);
}

void TFRM_Date::UpDown1Click()
{
    SelYear = static_cast<quint16>(UpDown1->value());
    ShowMonth(ClampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::UpDown2Click()
{
    SelMonth = static_cast<quint16>(UpDown2->value());
    ShowMonth(ClampedDate(SelYear, SelMonth, SelDay));
}

void TFRM_Date::Label1Click()
{
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click()
{
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::CnDayMouseDown(const QLabel& dayLabel)
{
    Shape2->move(dayLabel.x() - 1, dayLabel.y() + 1);
}

// The text sits 17 pixels under its day number and one pixel further left.
void TFRM_Date::ChnDateMouseDown(const QLabel& cnDayLabel)
{
    Shape2->move(cnDayLabel.x(), cnDayLabel.y() - 16);
}

void TFRM_Date::CnDayClick(int cell)
{
    SelDay = static_cast<quint16>(cell - firstCell_ + 1);
}

void TFRM_Date::CHnDayClick(int cell)
{
    CnDayClick(cell);
}

void TFRM_Date::StaticText1Click()
{
    CurDate = platform().today();
    FormShow();
}

void TFRM_Date::FormDeactivate()
{
    close();
}

// Closing only hides the window: the next opening destroys this instance.
void TFRM_Date::FormClose(QCloseEvent* event)
{
    QDialog::closeEvent(event);
}

void openPerpetualCalendar()
{
    delete FRM_Date;
    FRM_Date = new TFRM_Date;
    platform().runModal(*FRM_Date);
}

} // namespace lumora
