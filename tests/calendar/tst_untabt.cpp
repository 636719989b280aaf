// The conception chart window: the chart as it comes, editable, never kept.

#include "calendar/ConceptionChart.h"
#include "calendar/Untabt.h"
#include "support/FakePlatform.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

using lumora::Frm_NanNv;
using lumora::openConceptionChart;

namespace {

QPlainTextEdit* chartMemo()
{
    return Frm_NanNv->findChild<QPlainTextEdit*>(QStringLiteral("RzMemo1"));
}

} // namespace

class TestUntabt : public QObject {
    Q_OBJECT

private:
    FakePlatform fake;
    lumora::PlatformScope scope{fake};

private Q_SLOTS:
    void cleanup()
    {
        delete Frm_NanNv;
        Frm_NanNv = nullptr;
    }

    void showsChartAndNote()
    {
        openConceptionChart();
        QCOMPARE(fake.modalDialogs.size(), 1);
        QCOMPARE(Frm_NanNv->windowTitle(), QStringLiteral("生男生女"));
        // Without 宋体 the columns line up only in a monospaced face.
        QCOMPARE(QFontInfo(chartMemo()->font()).family(), QStringLiteral("Noto Sans Mono CJK SC"));
        const QString text = chartMemo()->toPlainText();
        QCOMPARE(text, lumora::conceptionChartText());
        const QStringList lines = text.split(u'\n');
        QCOMPARE(lines.size(), 29);
        QVERIFY(lines.first().startsWith(QStringLiteral("年龄")));
        QVERIFY(lines.last().startsWith(QStringLiteral("45")));
        QVERIFY(!chartMemo()->isReadOnly());
        QCOMPARE(Frm_NanNv->findChild<QLabel*>(QStringLiteral("RzLabel1"))->text(), lumora::conceptionChartNote());
    }

    void editsVanishWithTheWindow()
    {
        openConceptionChart();
        QPointer<lumora::TFrm_NanNv> earlier(Frm_NanNv);
        QTest::keyClicks(chartMemo(), QStringLiteral("19 ok"));
        QVERIFY(chartMemo()->toPlainText() != lumora::conceptionChartText());
        Frm_NanNv->close();
        QVERIFY(!earlier.isNull());
        QVERIFY(!earlier->isVisible());

        openConceptionChart();
        QVERIFY(earlier.isNull());
        QCOMPARE(chartMemo()->toPlainText(), lumora::conceptionChartText());
    }
};

QTEST_MAIN(TestUntabt)
#include "tst_untabt.moc"
