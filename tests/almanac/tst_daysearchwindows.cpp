// The auspicious-day and wedding-day search windows: their states on opening, what the
// user's choices make of the search's conditions, printing, one window per opening.

#include "almanac/UntJiDay.h"
#include "almanac/UntJihunDay.h"
#include "almanac/WeddingBanner.h"
#include "almanac/lumora.h"
#include "data/uShare.h"
#include "support/Clipping.h"
#include "support/Controls.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>
#include <QtTest>

#include <array>

using namespace lumora;

namespace {

enum class Search { Auspicious, Wedding };

// A person row's lists, in order: objectName stems to which the row's digit is added.
constexpr std::array kListStems{"Year", "Month", "Day", "Shour", "CBFen"};

TFrmJiDay* openAuspicious(const QString& caption, int mode)
{
    ShowAuspiciousDaySearch(caption, mode);
    return FrmJiDay;
}

TFrmJihunDay* openWedding()
{
    ShowWeddingDaySearch();
    return FrmJihunDay;
}

DaySearchForm* open(Search search)
{
    if (search == Search::Wedding)
        return openWedding();
    return openAuspicious(QStringLiteral("开市吉日"), 0);
}

QCheckBox* box(const QWidget* window, int person)
{
    return control<QCheckBox>(window, qPrintable(QStringLiteral("CB%1").arg(person)));
}

QComboBox* list(const QWidget* window, const char* stem, int person)
{
    return control<QComboBox>(window, qPrintable(QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(person)));
}

QString text(const QWidget* window, const char* name)
{
    return control<QComboBox>(window, name)->currentText();
}

void click(const QWidget* window, const char* name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

QStringList labelTexts(const QWidget* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window))
            texts << label->text();
    return texts;
}

// What a person row shows: check box caption, checked, enabled; then the five lists' texts,
// a disabled list marked.
QStringList personRow(const QWidget* window, int person)
{
    const QCheckBox* check = box(window, person);
    QStringList shown{check->text(), check->isChecked() ? u"checked"_qs : u"unchecked"_qs,
                      check->isEnabled() ? u"enabled"_qs : u"disabled"_qs};
    for (const char* stem : kListStems) {
        const QComboBox* shownList = list(window, stem, person);
        shown << shownList->currentText() + (shownList->isEnabled() ? u""_qs : u" (disabled)"_qs);
    }
    return shown;
}

QStringList todayRow(const QString& caption, bool checked, bool enabled)
{
    return {caption,
            checked ? u"checked"_qs : u"unchecked"_qs,
            enabled ? u"enabled"_qs : u"disabled"_qs,
            u"2015"_qs,
            u"06"_qs,
            u"09"_qs,
            u"子 0"_qs,
            u"0"_qs};
}

QString birthLine(const BirthTexts& person)
{
    return QStringList{person.label, person.year, person.month, person.day, person.hour, person.minute}.join(u'|');
}

QStringList birthLines(const DaySearchConditions& conditions)
{
    QStringList lines;
    for (const BirthTexts& person : conditions.persons)
        lines << birthLine(person);
    return lines;
}

// The memo the search gives for these conditions from the test's today, over the data
// file the build put beside the tests.
QString reportFor(const DaySearchConditions& conditions)
{
    return searchDays(conditions, QDate(2015, 6, 9), BirthConnectionString()).lines.join(u'\n');
}

// A person row as it opens, but for the year typed: 06-09, "子 0", "0".
BirthTexts bornOnTheTestsToday(const QString& label, const QString& year)
{
    return {label, year, u"06"_qs, u"09"_qs, u"子 0"_qs, u"0"_qs};
}

QString memoText(const QWidget* window)
{
    return control<QPlainTextEdit>(window, "Memo1")->toPlainText();
}

// Types a birth into the person's year, month, day, hour and minute lists.
void typeBirth(const QWidget* window, int person, const QStringList& texts)
{
    for (std::size_t i = 0; i < kListStems.size(); ++i)
        typeInto(list(window, kListStems[i], person), texts.value(qsizetype(i)));
}

// Replaces whatever the memo holds by typing, as a user may before searching.
void typeIntoMemo(QWidget* window, const QString& text)
{
    auto* memo = control<QPlainTextEdit>(window, "Memo1");
    activate(window);
    memo->setFocus();
    memo->selectAll();
    typeText(memo, text);
}

} // namespace

Q_DECLARE_METATYPE(Search)

namespace {

// One row per search window.
void addSearchRows()
{
    QTest::addColumn<Search>("search");
    QTest::newRow("吉日") << Search::Auspicious;
    QTest::newRow("结婚吉日") << Search::Wedding;
}

} // namespace

class TestDaySearchWindows : public WindowTest {
    Q_OBJECT

private Q_SLOTS:

    void auspiciousWindowOpensAsItsCallerAsks_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("listShown");
        QTest::addColumn<bool>("wedding");
        QTest::newRow("开市吉日, mode 0") << "开市吉日" << 0 << false << false;
        QTest::newRow("嫁娶吉日, mode 0") << "嫁娶吉日" << 0 << false << true;
        QTest::newRow("mode 1 starts at 嫁娶") << "吉日" << 1 << true << true;
        QTest::newRow("mode 2 acts as mode 0") << "嫁娶吉日" << 2 << false << true;
        QTest::newRow("caption not trimmed") << " 嫁娶吉日" << 0 << false << false;
    }
    void auspiciousWindowOpensAsItsCallerAsks()
    {
        QFETCH(QString, caption);
        QFETCH(int, mode);
        QFETCH(bool, listShown);
        QFETCH(bool, wedding);
        TFrmJiDay* window = openAuspicious(caption, mode);
        QCOMPARE(fake.modalDialogs, QList<QDialog*>{window});
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->FMode, mode);
        QCOMPARE(control<QLabel>(window, "RzLabel3")->isVisible(), listShown);
        QCOMPARE(control<QComboBox>(window, "Sday")->isVisible(), listShown);
        QCOMPARE(text(window, "Sday"), QStringLiteral("嫁娶"));
        QCOMPARE(text(window, "SYear"), QStringLiteral("一月以内"));
        QCOMPARE(text(window, "SMonth"), QStringLiteral("宜"));

        QCOMPARE(personRow(window, 1), todayRow(wedding ? u"老公生日"_qs : u"启用人员1"_qs, wedding, true));
        QCOMPARE(personRow(window, 2), todayRow(wedding ? u"老婆生日"_qs : u"启用人员2"_qs, wedding, true));
        for (int person = 3; person <= 6; ++person)
            QCOMPARE(personRow(window, person), todayRow(QStringLiteral("启用人员%1").arg(person), false, !wedding));

        for (const auto& [name, caption] :
             {std::pair{"CB01", u"煞东"}, {"CB02", u"煞南"}, {"CB03", u"煞西"}, {"CB04", u"煞北"}}) {
            QCOMPARE(control<QCheckBox>(window, name)->text(), QString::fromUtf16(caption));
            QVERIFY(!control<QCheckBox>(window, name)->isChecked());
        }
        QCOMPARE(clippedTexts(window), QStringList());
    }

    void auspiciousWindowSaysItsOwnWords()
    {
        const TFrmJiDay* window = openAuspicious(QStringLiteral("吉日"), 1);
        QStringList expected{u"选择日子："_qs, u"吉日内容："_qs};
        for (int person = 1; person <= 6; ++person)
            expected << u"公历"_qs << u"年"_qs << u"月"_qs << u"日"_qs << u"时"_qs << u"分"_qs;
        expected << u"排除冲煞方位："_qs << u"冲煞方位说明：例如朝向或方位为南方，就要排除煞南选项。"_qs
                 << u"其他说明：如查询不到数据请检测系统时间或联系我们给你查明原因。"_qs;
        QStringList shown = labelTexts(window);
        shown.sort();
        expected.sort();
        QCOMPARE(shown, expected);
        QCOMPARE(control<QPushButton>(window, "RzBitBtn1")->text(), QStringLiteral("测算"));
        QCOMPARE(control<QPushButton>(window, "RzBitBtn3")->text(), QStringLiteral("打印"));
        QCOMPARE(control<QPushButton>(window, "RzBitBtn4")->text(), QStringLiteral("关闭"));
        QCOMPARE(list(window, "Year", 1)->itemText(0), QStringLiteral("1900"));
        QCOMPARE(list(window, "Year", 1)->count(), 131);
        QCOMPARE(list(window, "Month", 1)->itemText(5), QStringLiteral("6"));
        QCOMPARE(list(window, "Shour", 6)->itemText(23), QStringLiteral("子 23"));
        QCOMPARE(list(window, "CBFen", 6)->count(), 60);
        QCOMPARE(control<QComboBox>(window, "Sday")->count(), 15);
        QCOMPARE(control<QComboBox>(window, "SYear")->itemText(5), QStringLiteral("一年以年"));
    }

    // The glossary is the daily almanac's, with breaks added so that no line wraps in the
    // narrower box.
    void glossaryIsBrokenToFitItsBox()
    {
        const TFrmJiDay* window = openAuspicious(QStringLiteral("开市吉日"), 0);
        const auto* glossary = control<QPlainTextEdit>(window, "Memo2");
        QVERIFY(glossary->isReadOnly());
        const QString shown = glossary->toPlainText();
        QCOMPARE(QString(shown).remove(u'\n'), almanacGlossary().remove(u'\n'));
        QVERIFY(shown.count(u'\n') > almanacGlossary().count(u'\n'));
        QCOMPARE(glossary->document()->lineCount(), glossary->document()->blockCount());
    }

    // Caption, mode: what the search is asked for.
    void activityComesFromTheCaptionsFirstFourGbkBytes_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("activity");
        QTest::newRow("开市吉日") << "开市吉日"
                                  << "开市";
        QTest::newRow("入宅") << "入宅"
                              << "入宅";
        QTest::newRow("嫁") << "嫁"
                            << "嫁";
        QTest::newRow("two ASCII letters first") << "AB开市吉日"
                                                 << "AB开";
        QTest::newRow("half a character left out") << "ABC开市"
                                                   << "ABC";
        QTest::newRow("ASCII only") << "ABCDEF"
                                    << "ABCD";
        QTest::newRow("empty") << ""
                               << "";
    }
    void activityComesFromTheCaptionsFirstFourGbkBytes()
    {
        QFETCH(QString, caption);
        QFETCH(QString, activity);
        QCOMPARE(openAuspicious(caption, 0)->conditions().activity, activity);
    }

    void pickingAnotherActivityUndoesOnlyTheDisabling()
    {
        TFrmJiDay* window = openAuspicious(QStringLiteral("吉日"), 1);
        auto* activities = control<QComboBox>(window, "Sday");
        typeInto(activities, QStringLiteral("开市"));
        for (int person = 3; person <= 6; ++person)
            QVERIFY(box(window, person)->isEnabled());
        QCOMPARE(personRow(window, 1), todayRow(u"老公生日"_qs, true, true));
        QCOMPARE(personRow(window, 2), todayRow(u"老婆生日"_qs, true, true));

        click(window, "CB3");
        DaySearchConditions conditions = window->conditions();
        QCOMPARE(conditions.activity, QStringLiteral("开市"));
        QCOMPARE(birthLines(conditions), (QStringList{u"老公|2015|06|09|子 0|0"_qs, u"老婆|2015|06|09|子 0|0"_qs,
                                                      u"人员3|2015|06|09|子 0|0"_qs}));

        // Back to 嫁娶 (trimmed): row 3 is disabled again and leaves the search, its check
        // mark kept.
        typeInto(activities, QStringLiteral(" 嫁娶 "));
        QVERIFY(!box(window, 3)->isEnabled());
        QVERIFY(box(window, 3)->isChecked());
        conditions = window->conditions();
        QCOMPARE(conditions.activity, QStringLiteral("嫁娶"));
        QCOMPARE(conditions.persons.size(), 2);
    }

    void conditionsAreTheTextsAsTyped()
    {
        TFrmJiDay* window = openAuspicious(QStringLiteral("开市吉日"), 0);
        click(window, "CB1");
        click(window, "CB4");
        typeBirth(window, 1, {u"1990"_qs, u"5"_qs, u" 01"_qs, u"13"_qs, u"30"_qs});
        typeInto(list(window, "Year", 2), QStringLiteral("1985")); // row 2 stays unchecked
        typeInto(control<QComboBox>(window, "SYear"), QStringLiteral("两周"));
        typeInto(control<QComboBox>(window, "SMonth"), QStringLiteral("忌"));
        click(window, "CB02");
        click(window, "CB04");

        const DaySearchConditions conditions = window->conditions();
        QCOMPARE(conditions.activity, QStringLiteral("开市"));
        QCOMPARE(conditions.span, QStringLiteral("两周"));
        QCOMPARE(conditions.suitability, QStringLiteral("忌"));
        QCOMPARE(birthLines(conditions), (QStringList{u"人员1|1990|5| 01|13|30"_qs, u"人员4|2015|06|09|子 0|0"_qs}));
        QCOMPARE(conditions.excludedDirections, (QStringList{u"南"_qs, u"北"_qs}));
    }

    void searchReplacesTheMemoWithTheReport()
    {
        TFrmJiDay* window = openAuspicious(QStringLiteral("开市吉日"), 0);
        click(window, "CB1");
        click(window, "CB2");
        typeBirth(window, 1, {u"1990"_qs, u"5"_qs, u"1"_qs, u"未 13"_qs, u"30"_qs});
        click(window, "CB02");
        click(window, "CB04");
        typeIntoMemo(window, QStringLiteral("earlier notes"));

        click(window, "RzBitBtn1");
        const QString memo = memoText(window);
        QCOMPARE(memo, reportFor({u"开市"_qs,
                                  u"一月以内"_qs,
                                  u"宜"_qs,
                                  {{u"人员1"_qs, u"1990"_qs, u"5"_qs, u"1"_qs, u"未 13"_qs, u"30"_qs},
                                   bornOnTheTestsToday(u"人员2"_qs, u"2015"_qs)},
                                  {u"南"_qs, u"北"_qs}}));
        QVERIFY(memo.contains(u"人员1"_qs) && memo.contains(u"开市"_qs));
        QVERIFY(!memo.contains(u"earlier notes"_qs));
        QVERIFY(fake.errors.isEmpty() && fake.tips.isEmpty());
    }

    void searchOfTheWeddingWindowNamesHusbandAndWife()
    {
        TFrmJihunDay* window = openWedding();
        typeInto(list(window, "Year", 1), QStringLiteral("1990"));
        typeInto(list(window, "Year", 2), QStringLiteral("1992"));
        typeInto(control<QComboBox>(window, "SYear"), QStringLiteral("三月以内"));
        typeInto(control<QComboBox>(window, "SMonth"), QStringLiteral("忌"));
        click(window, "RzBitBtn1");
        const QString memo = memoText(window);
        QCOMPARE(memo,
                 reportFor({u"嫁娶"_qs,
                            u"三月以内"_qs,
                            u"忌"_qs,
                            {bornOnTheTestsToday(u"老公"_qs, u"1990"_qs), bornOnTheTestsToday(u"老婆"_qs, u"1992"_qs)},
                            {}}));
        QVERIFY(memo.contains(u"老公"_qs) && memo.contains(u"老婆"_qs));
    }

    // A field the search cannot read is named in the memo; nothing else is said.
    void searchNamesAFieldItCannotRead()
    {
        TFrmJiDay* window = openAuspicious(QStringLiteral("入宅吉日"), 0);
        click(window, "CB1");
        typeInto(list(window, "Year", 1), QStringLiteral("19x0"));
        click(window, "RzBitBtn1");
        const DaySearchConditions typed{
            u"入宅"_qs, u"一月以内"_qs, u"宜"_qs, {bornOnTheTestsToday(u"人员1"_qs, u"19x0"_qs)}, {}};
        QVERIFY(searchDays(typed, QDate(2015, 6, 9), BirthConnectionString()).badInput);
        QCOMPARE(memoText(window), reportFor(typed));
        QVERIFY(memoText(window).contains(u"19x0"_qs));
        QVERIFY(fake.errors.isEmpty() && fake.tips.isEmpty());
    }

    void weddingWindowOpensWithBothRowsChecked()
    {
        TFrmJihunDay* window = openWedding();
        QCOMPARE(fake.modalDialogs, QList<QDialog*>{window});
        QCOMPARE(window->windowTitle(), QStringLiteral("结婚吉日 嫁娶吉日"));
        QCOMPARE(text(window, "SYear"), QStringLiteral("一月以内"));
        QCOMPARE(text(window, "SMonth"), QStringLiteral("宜"));
        QCOMPARE(personRow(window, 1), todayRow(u"老公公历生日"_qs, true, true));
        QCOMPARE(personRow(window, 2), todayRow(u"老婆公历生日"_qs, true, true));
        QVERIFY(window->findChild<QCheckBox*>(QStringLiteral("CB3")) == nullptr);

        QStringList labels = labelTexts(window);
        labels.removeAll(u"年"_qs);
        labels.removeAll(u"月"_qs);
        labels.removeAll(u"日"_qs);
        labels.removeAll(u"时"_qs);
        labels.removeAll(u"分"_qs);
        QCOMPARE(labels, (QStringList{u"选择日子："_qs, u"备注：如查询不到数据请检测系统时间或联系我们"_qs}));
        QStringList buttons;
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            buttons << button->objectName() + u' ' + button->text();
        QCOMPARE(buttons, (QStringList{u"RzBitBtn1 测算"_qs, u"RzBitBtn3 打印"_qs}));

        const auto* banner = control<BannerStrip>(window, "Image1");
        QCOMPARE(banner->picture().size(), QSize(500, 100));
        QCOMPARE(banner->width(), window->width());
        QCOMPARE(clippedTexts(window), QStringList());

        click(window, "CB2");
        const DaySearchConditions conditions = window->conditions();
        QCOMPARE(conditions.activity, QStringLiteral("嫁娶"));
        QCOMPARE(birthLines(conditions), QStringList{u"老公|2015|06|09|子 0|0"_qs});
        QVERIFY(conditions.excludedDirections.isEmpty());
    }

    // The banner's ground reaches the window's edges without a seam: the strip beside the
    // picture repeats the picture's edge columns.
    void weddingBannerSpansTheWindow()
    {
        const TFrmJihunDay* window = openWedding();
        auto* banner = control<BannerStrip>(window, "Image1");
        const QImage shown = banner->grab().toImage();
        const QImage picture = banner->picture().toImage();
        const int left = (banner->width() - picture.width()) / 2;
        QVERIFY(left > 0);
        for (const int y : {1, 5, 50, 98})
            QCOMPARE(shown.pixel(0, y), picture.pixel(0, y));
        QCOMPARE(shown.pixel(left + 250, 50), picture.pixel(250, 50));
    }

    void printSendsTheMemoOnlyWhenItHasText_data() { addSearchRows(); }
    void printSendsTheMemoOnlyWhenItHasText()
    {
        QFETCH(Search, search);
        DaySearchForm* window = open(search);
        auto* memo = control<QPlainTextEdit>(window, "Memo1");
        click(window, "RzBitBtn3");
        typeIntoMemo(window, QStringLiteral("  "));
        QTest::keyClick(memo, Qt::Key_Return);
        click(window, "RzBitBtn3");
        QVERIFY(fake.printedMemos.isEmpty());

        typeText(memo, QStringLiteral("2015-06-10 宜"));
        click(window, "RzBitBtn3");
        QCOMPARE(fake.printedMemos, QStringList{u"  \n2015-06-10 宜"_qs});

        // What 测算 wrote is printed as it stands.
        click(window, "RzBitBtn1");
        click(window, "RzBitBtn3");
        QCOMPARE(fake.printedMemos.size(), 2);
        QCOMPARE(fake.printedMemos.last(), memo->toPlainText());
    }

    void eachOpeningIsANewWindowFreedOnClose_data() { addSearchRows(); }
    void eachOpeningIsANewWindowFreedOnClose()
    {
        QFETCH(Search, search);
        QPointer<DaySearchForm> first = open(search);
        QPointer<DaySearchForm> second = open(search);
        QVERIFY(first != second);
        QVERIFY(first->isVisible());
        QCOMPARE(fake.modalDialogs.size(), 2);
        QDialog* reference = search == Search::Wedding ? static_cast<QDialog*>(FrmJihunDay) : FrmJiDay;
        QCOMPARE(reference, second.data());

        if (search == Search::Auspicious)
            click(second, "RzBitBtn4");
        else
            second->close();
        QVERIFY(FrmJiDay == nullptr && FrmJihunDay == nullptr);
        deleteClosedWindows();
        QVERIFY(second.isNull());
        QVERIFY(!first.isNull());
    }
};

QTEST_MAIN(TestDaySearchWindows)
#include "tst_daysearchwindows.moc"
