#include "calendar/ConceptionChart.h"

#include <QtTest>

using namespace lumora;

namespace {

const QString kIdeographicGap = QStringLiteral("\u3000\u3000");

QStringList ChartLines()
{
    return conceptionChartText().split(u'\n');
}

} // namespace

class TestConceptionChart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headingAndAgesInOrder()
    {
        const QStringList lines = ChartLines();
        QCOMPARE(lines.size(), 29);
        QCOMPARE(lines[0],
                 QStringLiteral("年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月"));
        for (int age = 18; age <= 45; ++age)
            QVERIFY2(lines[age - 17].startsWith(QString::number(age) + QStringLiteral("     ")),
                     qPrintable(lines[age - 17]));
        QVERIFY(!conceptionChartText().endsWith(u'\n'));
    }

    void wholeLines_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("line");

        QTest::newRow("18") << 18 << "18     女     男    女    男    男    男    男    男    男    男     男     男";
        QTest::newRow("19, ideographic gap")
            << 19 << "19     男     女    男    女    女\u3000\u3000男    男    男    男    男     女     女";
        QTest::newRow("22") << 22 << "22     女     男    男    女    男    女    女    男    女    女     女     女";
        QTest::newRow("45, ideographic gap")
            << 45 << "45     女     男    男    女    女\u3000\u3000女    男    女    男    女     男     男";
    }
    void wholeLines()
    {
        QFETCH(int, age);
        QFETCH(QString, line);
        QCOMPARE(ChartLines()[age - 17], line);
    }

    void ideographicGapOnlyInItsLines()
    {
        const QStringList lines = ChartLines();
        for (int age = 18; age <= 45; ++age) {
            const QString& line = lines[age - 17];
            const bool expected = age == 19 || age >= 23;
            QCOMPARE(line.contains(kIdeographicGap), expected);
            QCOMPARE(line.count(u'\u3000'), expected ? 2 : 0);
            QCOMPARE(line.count(u'男') + line.count(u'女'), 12);
        }
    }
};

QTEST_GUILESS_MAIN(TestConceptionChart)
#include "tst_conceptionchart.moc"
