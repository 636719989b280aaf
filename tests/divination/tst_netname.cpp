// The net-name reading and its window.

#include "divination/NetName.h"
#include "divination/UntWangm.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace lumora;

class TestNetName : public WindowTest {
    Q_OBJECT

    QDialog* openWindow()
    {
        openNetNameWindow();
        QDialog* window = FrmWangming;
        activate(window);
        control<QLineEdit>(window, "edtmun")->setFocus();
        return window;
    }

private Q_SLOTS:
    void lastLetterDecides_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("trait");
        const QString m = QStringLiteral("反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
        QTest::newRow("王小明, WXM") << "王小明" << m;
        QTest::newRow("李明, the same last letter") << "李明" << m;
        QTest::newRow("小王, XW") << "小王"
                                  << "比较糊涂，容易感情用事";
        QTest::newRow("abc1, ABCA") << "abc1"
                                    << "好奇心强，专一";
        QTest::newRow("2008, BJJH") << "2008"
                                    << "自立，自强，可依靠";
        QTest::newRow("⑩, 10 then AJ") << "⑩"
                                       << "煽情高手";
        QTest::newRow("给力, ends in L") << "给力"
                                         << "圆滑";
        QTest::newRow("ends in 给, no reading") << "小给" << QString();
        QTest::newRow("symbols only") << "!!!" << QString();
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("upper and lower case alike") << "Z"
                                                    << "老实，想问题容易兜圈子";
    }
    void lastLetterDecides()
    {
        QFETCH(QString, name);
        QFETCH(QString, trait);
        QCOMPARE(NetNameTrait(name), trait);
    }

    void windowShowsNameAndTrait()
    {
        QDialog* window = openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("网名与性格"));
        auto* box = control<QLineEdit>(window, "edtmun");
        QTest::keyClicks(box, QStringLiteral("tom!"));
        QCOMPARE(box->text(), QStringLiteral("TOM!")); // every key goes in, letters upper-cased
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(control<QLabel>(window, "RzLabel11")->text(), QStringLiteral("你的网名：TOM!"));
        QCOMPARE(control<QLabel>(window, "RzLabel8")->text(),
                 QStringLiteral("你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"));

        box->clear();
        QTest::keyClicks(box, QStringLiteral("!!!"));
        QTest::mouseClick(control<QPushButton>(window, "RzBitBtn1"), Qt::LeftButton);
        QCOMPARE(control<QLabel>(window, "RzLabel11")->text(), QStringLiteral("你的网名：!!!"));
        QCOMPARE(control<QLabel>(window, "RzLabel8")->text(), QStringLiteral("你的性格："));
        QVERIFY(fake.tips.isEmpty());
    }

    void emptyNameKeepsTheLastResult()
    {
        QDialog* window = openWindow();
        auto* box = control<QLineEdit>(window, "edtmun");
        QTest::keyClicks(box, QStringLiteral("abc1"));
        QTest::keyClick(box, Qt::Key_Return);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("   "));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(fake.tips, QStringList{QStringLiteral("请输入你的网名！")});
        QCOMPARE(control<QLabel>(window, "RzLabel11")->text(), QStringLiteral("你的网名：ABC1"));
        QCOMPARE(control<QLabel>(window, "RzLabel8")->text(), QStringLiteral("你的性格：好奇心强，专一"));
    }

    void boxTakesAtMostEighteenCharacters()
    {
        QDialog* window = openWindow();
        auto* box = control<QLineEdit>(window, "edtmun");
        QTest::keyClicks(box, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(box->text(), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    }
};

QTEST_MAIN(TestNetName)
#include "tst_netname.moc"
