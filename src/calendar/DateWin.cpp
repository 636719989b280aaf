#include "calendar/DateWin.h"

#include "almanac/DayNotes.h"
#include "calendar/DateCn.h"
#include "calendar/MonthSheet.h"
#include "data/Error.h"
#include "data/uShare.h"
#include "forms/ClickableLabel.h"
#include "forms/FormFonts.h"
#include "forms/FormWindow.h"
#include "forms/Opener.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

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
ClickableLabel* addClickable(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                             Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* label = addLabel<ClickableLabel>(parent, name, text, geometry, alignment);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// A cell label placed `offset` from its template, with the template's size, alignment,
// font and colour.
ClickableLabel* addCellLabel(QWidget* parent, const QString& name, const QLabel& cellTemplate, QPoint offset)
{
    auto* label = addLabel<ClickableLabel>(parent, name, {}, cellTemplate.geometry().translated(offset),
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
    setUpFixedDialog(*this, QStringLiteral("FRM_Date"), QStringLiteral("Tesmer日历"), kClientSize);
    setFill(*this, kWhite);

    createGridFrame();
    createHeader();
    BuildDayCells();
    notesQuery_.setConnectionString(BirthConnectionString());
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
    Label20->setFont(formFont(FormFace::ArialBlack, 64, QFont::Black));
    setTextColour(*Label20, kYearWatermarkColour);
    Label16 = addLabel(this, QStringLiteral("Label16"), {}, QRect(8, 112, 315, 140));
    Label16->setFont(formFont(FormFace::ArialBlack, 120, QFont::Black));
    setTextColour(*Label16, kMonthWatermarkColour);

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->resize(38, 30);
    setFill(*Shape2, kMarkColour);

    day1 = addLabel(this, QStringLiteral("day1"), {}, kDayTemplateRect);
    // The day numbers alone are sized in points.
    QFont dayFont = formFont(FormFace::ArialBlack, 12, QFont::Black);
    dayFont.setPointSize(11);
    day1->setFont(dayFont);
    setTextColour(*day1, kBlack);
    day1->hide();
    Cnday = addLabel(this, QStringLiteral("Cnday"), {}, kCnDayTemplateRect);
    Cnday->setFont(defaultFormFont());
    setTextColour(*Cnday, kCnDayColour);
    Cnday->hide();
}

void TFRM_Date::createHeader()
{
    const Qt::Alignment rightAligned = Qt::AlignRight | Qt::AlignVCenter;
    ClickableLabel* monthNumber = addClickable(this, QStringLiteral("Label17"), {}, QRect(4, 0, 44, 38), rightAligned);
    connect(monthNumber, &ClickableLabel::clicked, this, &TFRM_Date::Label17Click);
    Label17 = monthNumber;
    Label17->setFont(formFont(FormFace::Arial, 32, QFont::Bold));
    setTextColour(*Label17, kMonthNumberColour);
    Label17->setToolTip(QStringLiteral("单击改变月份"));
    Label18 = addLabel(this, QStringLiteral("Label18"), QStringLiteral("月"), QRect(49, 14, 16, 18));
    Label18->setFont(formFont(FormFace::Song, 14, QFont::Bold));
    UpDown2 = addSpinner(this, QStringLiteral("UpDown2"), 1, 12, QPoint(66, 8));
    connect(UpDown2, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown2Click);

    ClickableLabel* yearNumber = addClickable(this, QStringLiteral("Label1"), {}, QRect(88, 0, 100, 38), rightAligned);
    connect(yearNumber, &ClickableLabel::clicked, this, &TFRM_Date::Label1Click);
    Label1 = yearNumber;
    Label1->setFont(formFont(FormFace::ArialBlack, 29, QFont::Black));
    setTextColour(*Label1, kBlue);
    Label1->setToolTip(QStringLiteral("单击改变年份"));
    Label19 = addLabel(this, QStringLiteral("Label19"), QStringLiteral("年"), QRect(189, 14, 16, 18));
    Label19->setFont(formFont(FormFace::Song, 14, QFont::Bold));
    UpDown1 = addSpinner(this, QStringLiteral("UpDown1"), kFirstCnYear, kLastCnYear, QPoint(206, 8));
    connect(UpDown1, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown1Click);

    ClickableLabel* today =
        addClickable(this, QStringLiteral("StaticText1"), QStringLiteral("今天"), QRect(272, 10, 44, 20));
    connect(today, &ClickableLabel::clicked, this, &TFRM_Date::StaticText1Click);
    StaticText1 = today;
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    setFill(*StaticText1, kTodayBackground);

    addWeekdayRow(this, {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8}, 2, kUpperWeekdayTop);
    Bevel2 = addLine(this, QStringLiteral("Bevel2"), kUpperWeekdayTop + 15);
    Bevel1 = addLine(this, QStringLiteral("Bevel1"), kLowerWeekdayTop - 4);
    addWeekdayRow(this, {&Label9, &Label10, &Label11, &Label12, &Label13, &Label14, &Label15}, 9, kLowerWeekdayTop);

    // The last grid row holds only two cells; the zodiac and constellation fill the rest.
    Label21 = addLabel(this, QStringLiteral("Label21"), {}, QRect(244, 213, 78, 35));
    Label21->setFont(formFont(FormFace::Li, 35, QFont::Bold));
    setTextColour(*Label21, kZodiacColour);
    Label22 = addLabel(this, QStringLiteral("Label22"), {}, QRect(150, 220, 92, 24), Qt::AlignRight | Qt::AlignVCenter);
    Label22->setFont(formFont(FormFace::Hei, 19, QFont::Bold));
    setTextColour(*Label22, kConstellationColour);
}

void TFRM_Date::BuildDayCells()
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QPoint offset(((cell - 1) % 7) * kCellStepX, ((cell - 1) / 7) * kCellStepY);

        ClickableLabel* dayLabel = addCellLabel(this, QStringLiteral("DayLabel%1").arg(cell), *day1, offset);
        connect(dayLabel, &ClickableLabel::pressed, this, [this, dayLabel] { CnDayMouseDown(*dayLabel); });
        connect(dayLabel, &ClickableLabel::clicked, this, [this, cell] { CnDayClick(cell); });
        DayLabels[cell] = dayLabel;

        ClickableLabel* cnDayLabel = addCellLabel(this, QStringLiteral("CnDayLabel%1").arg(cell), *Cnday, offset);
        connect(cnDayLabel, &ClickableLabel::pressed, this, [this, cnDayLabel] { ChnDateMouseDown(*cnDayLabel); });
        connect(cnDayLabel, &ClickableLabel::clicked, this, [this, cell] { CHnDayClick(cell); });
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
    // Filling cannot fail: a month outside the tables only leaves the texts empty.
    const QList<DayCellText> texts = monthSheetTexts(date);
    for (int day = 1; day <= texts.size(); ++day) {
        const int cell = firstCell_ + day - 1;
        QLabel& dayLabel = *DayLabels[cell];
        QLabel& cnDayLabel = *CnDayLabels[cell];
        dayLabel.setText(QString::number(day));
        cnDayLabel.setText(texts[day - 1].text);
        setTextColour(cnDayLabel, cellToneRgb(texts[day - 1].tone));
        if (day == date.day()) {
            CnDayMouseDown(dayLabel);
            Label22->setText(ConstellationOfDay(day, date));
        }
    }

    setDayNotes(QDate(date.year(), date.month(), 1), static_cast<int>(texts.size()));

    // Only the cells of the month's days show. Set once per cell rather than hiding all
    // and showing some: each change of visibility costs an update of the window.
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const bool drawn = cell >= firstCell_ && cell < firstCell_ + texts.size();
        DayLabels[cell]->setVisible(drawn);
        CnDayLabels[cell]->setVisible(drawn);
    }
}

void TFRM_Date::setDayNotes(const QDate& firstDay, int dayCount)
{
    QMap<QDate, QStringList> notes;
    try {
        notes = queryDayNotes(notesQuery_, firstDay, firstDay.addDays(dayCount - 1));
    } catch (const Error&) {
        // The calendar needs no data file; without a readable one its cells have no notes.
    }
    for (int day = 1; day <= dayCount; ++day) {
        const QString note = notes.value(firstDay.addDays(day - 1)).join(u'\n');
        const int cell = firstCell_ + day - 1;
        DayLabels[cell]->setToolTip(note);
        CnDayLabels[cell]->setToolTip(note);
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
    openReplacing(FRM_Date);
}

} // namespace lumora
