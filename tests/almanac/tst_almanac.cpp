#include "almanac/DailyAlmanac.h"
#include "almanac/lumora.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace lumora;

namespace {

const QStringList kMemo20150609{
    QStringLiteral("岁次:乙未年 壬午月 丙辰日"),
    QString(),
    QStringLiteral("每日胎神占方:厨灶栖 外正东"),
    QString(),
    QStringLiteral("五行:沙中土 开执位"),
    QString(),
    QStringLiteral("冲:冲狗(庚戌)煞南"),
    QString(),
    QStringLiteral("彭祖百忌:丙不修灶必见灾殃 辰不哭泣必主重丧"),
    QString(),
    QStringLiteral("吉神宜趋:月德 时德 时阳 生气 要安"),
    QString(),
    QStringLiteral("宜:解除 坏垣 馀事勿取"),
    QString(),
    QStringLiteral("凶神宜忌:五虚 九空 天牢"),
    QString(),
    QStringLiteral("忌:诸事不宜"),
};

// Types the three texts into the window's lists and presses "测算".
void query(const TFormLumora* window, const QString& year, const QString& month, const QString& day)
{
    typeInto(control<QComboBox>(window, "SYear"), year);
    typeInto(control<QComboBox>(window, "SMonth"), month);
    typeInto(control<QComboBox>(window, "Sday"), day);
    QTest::mouseClick(control<QPushButton>(window, "RzBitBtn1"), Qt::LeftButton);
}

QString listText(const TFormLumora* window, const char* name)
{
    return control<QComboBox>(window, name)->currentText();
}

QString overview(const TFormLumora* window)
{
    return control<QLabel>(window, "Label1")->text();
}

QStringList memoLines(const TFormLumora* window)
{
    return control<QPlainTextEdit>(window, "Memo1")->toPlainText().split('\n');
}

} // namespace

class TestAlmanacWindow : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void openingForTodayShowsTodaysEntry()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        QCOMPARE(window->windowTitle(), QStringLiteral("黄道吉日"));
        QCOMPARE(listText(window, "SYear"), QStringLiteral("2015"));
        QCOMPARE(listText(window, "SMonth"), QStringLiteral("06"));
        QCOMPARE(listText(window, "Sday"), QStringLiteral("09"));
        QCOMPARE(overview(window), QStringLiteral("2015-06-09  农历乙未年四月廿三 星期二"));
        QCOMPARE(memoLines(window), kMemo20150609);
        QVERIFY(fake.tips.isEmpty());
    }

    void openerTextsAreQueriedAsTyped()
    {
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("2015"), QStringLiteral("6"), QStringLiteral("9"));
        QCOMPARE(listText(window, "SMonth"), QStringLiteral("6"));
        QCOMPARE(overview(window), QStringLiteral("2015-6-9  农历乙未年四月廿三 星期二"));
        QCOMPARE(memoLines(window), kMemo20150609);

        query(window, QStringLiteral(" 2012 "), QStringLiteral("12"), QStringLiteral("21"));
        QVERIFY(overview(window).startsWith(QStringLiteral("2012-12-21  农历壬辰年")));
        QCOMPARE(memoLines(window).size(), 17);
    }

    void complaintsAndMissingDaysLeaveTheWindowAsItWas_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("tip");
        QTest::newRow("empty year") << ""
                                    << "06"
                                    << "09"
                                    << "请选择年!";
        QTest::newRow("blank month") << "2015"
                                     << "  "
                                     << "09"
                                     << "请选择月!";
        QTest::newRow("empty day") << "2015"
                                   << "06"
                                   << ""
                                   << "请选择日!";
        QTest::newRow("30 February") << "2015"
                                     << "02"
                                     << "30"
                                     << "请选择有效的日期!";
        QTest::newRow("no row for 2051") << "2051"
                                         << "01"
                                         << "01"
                                         << "";
    }
    void complaintsAndMissingDaysLeaveTheWindowAsItWas()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, tip);
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        const QString before = overview(window);
        query(window, year, month, day);
        QCOMPARE(fake.tips, tip.isEmpty() ? QStringList() : QStringList{tip});
        QCOMPARE(overview(window), before);
        QCOMPARE(memoLines(window), kMemo20150609);
        QVERIFY(fake.errors.isEmpty());
    }

    void firstQueryWithoutRowLeavesTheWindowEmpty()
    {
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("1900"), QStringLiteral("12"), QStringLiteral("31"));
        QVERIFY(window->isVisible());
        QVERIFY(overview(window).isEmpty());
        QVERIFY(control<QPlainTextEdit>(window, "Memo1")->toPlainText().isEmpty());
        QVERIFY(fake.tips.isEmpty());
    }

    void printSendsTheMemoOnlyWhenItHasText()
    {
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("2051"), QStringLiteral("1"), QStringLiteral("1"));
        QTest::mouseClick(control<QPushButton>(window, "RzBitBtn3"), Qt::LeftButton);
        QVERIFY(fake.printedMemos.isEmpty());

        query(window, QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("09"));
        QTest::mouseClick(control<QPushButton>(window, "RzBitBtn3"), Qt::LeftButton);
        QCOMPARE(fake.printedMemos, QStringList{kMemo20150609.join('\n')});
    }

    void windowsAreIndependentAndFreeThemselves()
    {
        QPointer<TFormLumora> first =
            ShowDailyAlmanac(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("09"));
        QPointer<TFormLumora> second =
            ShowDailyAlmanac(QStringLiteral("2016"), QStringLiteral("02"), QStringLiteral("29"));
        QVERIFY(first != second);
        QCOMPARE(FormLumora, second.data());

        QTest::mouseClick(control<QPushButton>(first, "RzBitBtn2"), Qt::LeftButton);
        deleteClosedWindows();
        QVERIFY(first.isNull());
        QVERIFY(FormLumora == nullptr);
        QVERIFY(second->isVisible());
        QTest::mouseClick(control<QPushButton>(second, "RzBitBtn1"), Qt::LeftButton);
        QVERIFY(overview(second).startsWith(QStringLiteral("2016-02-29  ")));
    }

    void glossaryTextIsComplete()
    {
        const QStringList lines = almanacGlossary().split('\n');
        QCOMPARE(lines.size(), 34); // 32 entries, two of them on two lines
        QCOMPARE(lines.first(), QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日"));
        QVERIFY(lines.contains(QStringLiteral("今社会上多已滥用属阴宅择日时属阴宅须辨别之。")));
        QVERIFY(lines.contains(QStringLiteral("事(2)新设店铺商行或新厂开幕等事")));
        QCOMPARE(lines.last(), QStringLiteral("挂匾 ：指悬挂招牌或各种匾额"));
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        const auto* glossary = control<QPlainTextEdit>(window, "Memo2");
        QVERIFY(glossary->isReadOnly());
        QCOMPARE(glossary->toPlainText(), almanacGlossary());
        // Read with the keyboard too: Ctrl+End brings the last entry into view.
        QVERIFY(glossary->verticalScrollBar()->maximum() > 0);
        QTest::keyClick(const_cast<QPlainTextEdit*>(glossary), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(glossary->textCursor().atEnd());
        QVERIFY(glossary->verticalScrollBar()->value() > 0);
        QVERIFY(glossary->viewport()->rect().contains(glossary->cursorRect()));
    }
};

QTEST_MAIN(TestAlmanacWindow)
#include "tst_almanac.moc"
