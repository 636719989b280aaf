#include "data/LineBreaking.h"

#include <QtTest>

using namespace lumora;

class TestLineBreaking : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void breaksLinesWiderThanTheColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("broken");
        QTest::newRow("fits") << "嫁娶 ：男娶女嫁" << 15 << "嫁娶 ：男娶女嫁";
        QTest::newRow("Chinese takes two columns") << "一二三四五六七" << 6 << "一二三\n四五六\n七";
        QTest::newRow("ASCII takes one") << "(1)年头初开始" << 8 << "(1)年头\n初开始";
        QTest::newRow("a full stop stays with its line") << "一二三。四五" << 6 << "一二三。\n四五";
        QTest::newRow("so does a closing quote") << "新居落成典礼”也" << 12 << "新居落成典礼”\n也";
        QTest::newRow("an opening quote may start a line") << "一二三“四”" << 6 << "一二三\n“四”";
        QTest::newRow("breaks already there stay") << "一二三\n四五六七" << 4 << "一二\n三\n四五\n六七";
        QTest::newRow("empty lines stay") << "一\n\n二" << 2 << "一\n\n二";
        QTest::newRow("a character beyond the plane stays whole")
            << u"一\U00020000二"_qs << 4 << u"一\U00020000\n二"_qs;
        QTest::newRow("a character wider than the width") << "一二" << 1 << "一\n二";
    }
    void breaksLinesWiderThanTheColumns()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QString, broken);
        QCOMPARE(breakLongLines(text, columns), broken);
    }
};

QTEST_GUILESS_MAIN(TestLineBreaking)
#include "tst_linebreaking.moc"
