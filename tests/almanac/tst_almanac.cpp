#include "almanac/DailyAlmanac.h"
#include "almanac/lumora.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
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

} // namespace

class TestAlmanacWindow : public QObject {
    Q_OBJECT

    FakePlatform fake;
    std::optional<PlatformScope> scope;

private Q_SLOTS:
    void init()
    {
        fake = FakePlatform();
        scope.emplace(fake);
    }
    void cleanup()
    {
        closeAllWindows();
        scope.reset();
    }

    void openingForTodayShowsTodaysEntry()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        QCOMPARE(window->windowTitle(), QStringLiteral("黄道吉日"));
        QCOMPARE(window->SYear->currentText(), QStringLiteral("2015"));
        QCOMPARE(window->SMonth->currentText(), QStringLiteral("06"));
        QCOMPARE(window->Sday->currentText(), QStringLiteral("09"));
        QCOMPARE(window->Label1->text(), QStringLiteral("2015-06-09  农历乙未年四月廿三 星期二"));
        QCOMPARE(window->Memo1->toPlainText().split('\n'), kMemo20150609);
        QVERIFY(fake.tips.isEmpty());
    }

    void openerTextsAreQueriedAsTyped()
    {
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("2015"), QStringLiteral("6"), QStringLiteral("9"));
        QCOMPARE(window->SMonth->currentText(), QStringLiteral("6"));
        QCOMPARE(window->Label1->text(), QStringLiteral("2015-6-9  农历乙未年四月廿三 星期二"));
        QCOMPARE(window->Memo1->toPlainText().split('\n'), kMemo20150609);

        window->SYear->setEditText(QStringLiteral(" 2012 "));
        window->SMonth->setEditText(QStringLiteral("12"));
        window->Sday->setEditText(QStringLiteral("21"));
        QTest::mouseClick(window->RzBitBtn1, Qt::LeftButton);
        QVERIFY(window->Label1->text().startsWith(QStringLiteral("2012-12-21  农历壬辰年")));
        QCOMPARE(window->Memo1->toPlainText().split('\n').size(), 17);
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
        const QString overview = window->Label1->text();
        window->SYear->setEditText(year);
        window->SMonth->setEditText(month);
        window->Sday->setEditText(day);
        QTest::mouseClick(window->RzBitBtn1, Qt::LeftButton);
        QCOMPARE(fake.tips, tip.isEmpty() ? QStringList() : QStringList{tip});
        QCOMPARE(window->Label1->text(), overview);
        QCOMPARE(window->Memo1->toPlainText().split('\n'), kMemo20150609);
        QVERIFY(fake.errors.isEmpty());
    }

    void firstQueryWithoutRowLeavesTheWindowEmpty()
    {
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("1900"), QStringLiteral("12"), QStringLiteral("31"));
        QVERIFY(window->isVisible());
        QVERIFY(window->Label1->text().isEmpty());
        QVERIFY(window->Memo1->toPlainText().isEmpty());
        QVERIFY(fake.tips.isEmpty());
    }

    void printSendsTheMemoOnlyWhenItHasText()
    {
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("2051"), QStringLiteral("1"), QStringLiteral("1"));
        QTest::mouseClick(window->RzBitBtn3, Qt::LeftButton);
        QVERIFY(fake.printedMemos.isEmpty());

        window->SYear->setEditText(QStringLiteral("2015"));
        window->SMonth->setEditText(QStringLiteral("06"));
        window->Sday->setEditText(QStringLiteral("09"));
        QTest::mouseClick(window->RzBitBtn1, Qt::LeftButton);
        QTest::mouseClick(window->RzBitBtn3, Qt::LeftButton);
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

        QTest::mouseClick(first->RzBitBtn2, Qt::LeftButton);
        deleteClosedWindows();
        QVERIFY(first.isNull());
        QVERIFY(FormLumora == nullptr);
        QVERIFY(second->isVisible());
        QTest::mouseClick(second->RzBitBtn1, Qt::LeftButton);
        QVERIFY(second->Label1->text().startsWith(QStringLiteral("2016-02-29  ")));
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
        QVERIFY(window->Memo2->isReadOnly());
        QCOMPARE(window->Memo2->toPlainText(), almanacGlossary());
    }
};

QTEST_MAIN(TestAlmanacWindow)
#include "tst_almanac.moc"
