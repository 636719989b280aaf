// The QQ-number, any-number and phone-number windows, driven by typing as a user does.

#include "data/NumberReading.h"
#include "data/uShare.h"
#include "divination/UntQQ.h"
#include "divination/Unt_sjcs.h"
#include "divination/Untonteher.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace lumora;

namespace {

enum class Tool { QQ, AnyNumber, Phone };

// Opens the tool through its menu's opener and hands back the window left open.
QDialog* open(Tool tool)
{
    switch (tool) {
    case Tool::QQ:
        openQQNumberWindow();
        return FrmQQhm;
    case Tool::AnyNumber:
        openAnyNumberWindow();
        return Frm_onther;
    case Tool::Phone:
        openPhoneNumberWindow();
        return Frm_SJcs;
    }
    return nullptr;
}

QLineEdit* box(const QDialog* window)
{
    return control<QLineEdit>(window, "edtmun");
}

// Types into the number box of an active window, key by key.
void type(QDialog* window, const QString& text)
{
    activate(window);
    box(window)->setFocus();
    QTest::keyClicks(box(window), text);
}

// Pastes through the clipboard with Ctrl+V, as a user brings in text the keys refuse.
void paste(QDialog* window, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box(window)->selectAll();
    QTest::keyClick(box(window), Qt::Key_V, Qt::ControlModifier);
}

QStringList results(const QDialog* window)
{
    QStringList texts;
    for (const char* name : {"RzLabel11", "RzLabel10", "RzLabel9", "RzLabel8"})
        texts << control<QLabel>(window, name)->text();
    return texts;
}

const QString kEntry0Personality = QStringLiteral(
    "主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。"
    "做事喜好凭个人直觉及预感做决定。");

} // namespace

Q_DECLARE_METATYPE(Tool)

class TestNumberWindows : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void numberWindowsSpeakTheirOwnWords_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("emptyBox");
        QTest::newRow("QQ号码测试") << Tool::QQ << "QQ号码测试"
                                    << "qq号码是："
                                    << "请输入你的QQ号码！";
        QTest::newRow("任意号码分析") << Tool::AnyNumber << "任意号码分析"
                                      << "输入号码是："
                                      << "请输入你的号码！";
    }
    void numberWindowsSpeakTheirOwnWords()
    {
        QFETCH(Tool, tool);
        QFETCH(QString, caption);
        QFETCH(QString, firstLine);
        QFETCH(QString, emptyBox);
        QDialog* window = open(tool);
        QCOMPARE(fake.modalDialogs, QList<QDialog*>{window});
        QCOMPARE(window->windowTitle(), caption);
        const QList<QLabel*> labels = window->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) { return label->text() == firstLine; }));

        QTest::mouseClick(control<QPushButton>(window, "RzBitBtn1"), Qt::LeftButton);
        QCOMPARE(fake.tips, QStringList{emptyBox});
        QCOMPARE(results(window), QStringList(4));
    }

    void typedNumbersAreRead_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("81, entry 0") << Tool::AnyNumber << "81"
                                     << "81"
                                     << "吉";
        QTest::newRow("26, three-character verdict") << Tool::QQ << "26"
                                                     << "26"
                                                     << "凶带吉";
        QTest::newRow("letters are not typed") << Tool::AnyNumber << "8a1-b"
                                               << "81"
                                               << "吉";
        QTest::newRow("leading zeros kept as typed") << Tool::QQ << "0081"
                                                     << "0081"
                                                     << "吉";
        QTest::newRow("a nineteenth digit does not go in") << Tool::AnyNumber << "9999999999999999999"
                                                           << "999999999999999999"
                                                           << "吉";
    }
    void typedNumbersAreRead()
    {
        QFETCH(Tool, tool);
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QString, verdict);
        QDialog* window = open(tool);
        type(window, typed);
        QCOMPARE(box(window)->text(), number);
        QTest::keyClick(box(window), Qt::Key_Return); // Enter acts like 测算
        const NumberReading reading = splitNumberReading(numberinfostr(number));
        QCOMPARE(results(window), (QStringList{number, reading.summary, verdict, reading.personality}));
        QVERIFY(fake.errors.isEmpty());
    }

    void eightyOneReadsAsTheFirstEntry()
    {
        QDialog* window = open(Tool::QQ);
        type(window, QStringLiteral("81"));
        QTest::mouseClick(control<QPushButton>(window, "RzBitBtn1"), Qt::LeftButton);
        QCOMPARE(results(window),
                 (QStringList{QStringLiteral("81"), QStringLiteral("大展鸿图，信用得固，名利双收，可获成功"),
                              QStringLiteral("吉"), kEntry0Personality}));
    }

    void pastedTextsGetTheirOwnBehaviour()
    {
        QDialog* window = open(Tool::AnyNumber);
        paste(window, QStringLiteral("-5"));
        QTest::keyClick(box(window), Qt::Key_Return);
        QCOMPARE(results(window), (QStringList{QStringLiteral("-5"), QString(), QString(),
                                               QStringLiteral("对不起,此号不在分解之类。")}));

        type(window, QString());
        paste(window, QStringLiteral("81"));
        QTest::keyClick(box(window), Qt::Key_Return);
        const QStringList shown = results(window);
        // Text the conversion refuses reaches the error box; the last result stands.
        for (const QString& bad : {QStringLiteral("12ab"), QStringLiteral("1 2"), QStringLiteral("1-2")}) {
            paste(window, bad);
            QTest::keyClick(box(window), Qt::Key_Return);
            QCOMPARE(results(window), shown);
        }
        QCOMPARE(fake.errors.size(), 3);
        QVERIFY(fake.tips.isEmpty());
    }

    void closingFreesTheWindow_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::newRow("QQ") << Tool::QQ;
        QTest::newRow("any number") << Tool::AnyNumber;
        QTest::newRow("phone") << Tool::Phone;
    }
    void closingFreesTheWindow()
    {
        QFETCH(Tool, tool);
        QPointer<QDialog> first = open(tool);
        QTest::mouseClick(control<QPushButton>(first, "RzBitBtn2"), Qt::LeftButton);
        deleteClosedWindows();
        QVERIFY(first.isNull());
        QVERIFY(FrmQQhm == nullptr && Frm_onther == nullptr && Frm_SJcs == nullptr);
        QPointer<QDialog> second = open(tool);
        QVERIFY(!second.isNull());
        QVERIFY(second->isVisible());
    }

    void phoneNumbersReadTheirKeysReading_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("ends in 8901, key 21") << "13812348901" << 21;
        QTest::newRow("ends in 0080, key 0") << "13812340080" << 0;
        QTest::newRow("ends in 9999, key 79") << "13812349999" << 79;
        QTest::newRow("eight digits, key 8") << "13800138" << 8;
    }
    void phoneNumbersReadTheirKeysReading()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QDialog* window = open(Tool::Phone);
        QCOMPARE(window->windowTitle(), QStringLiteral("手机号码测算"));
        type(window, typed);
        QTest::keyClicks(box(window), typed.size() == 11 ? QStringLiteral("5") : QString()); // no twelfth digit
        QCOMPARE(box(window)->text(), typed);
        QTest::keyClick(box(window), Qt::Key_Return);
        // A key's state and verdict are those of the numerology number it stands for.
        const NumberReading entry = splitNumberReading(numberinfostr(QString::number(key == 0 ? 80 : key)));
        const QStringList shown = results(window);
        QCOMPARE(shown.mid(0, 3), (QStringList{typed, entry.summary, entry.verdict}));
        QVERIFY(!shown[3].isEmpty());
        QVERIFY(fake.errors.isEmpty());
    }

    void phoneNumbersWithoutAKeyChangeNothing()
    {
        QDialog* window = open(Tool::Phone);
        QTest::keyClick(box(window), Qt::Key_Return);
        QCOMPARE(fake.tips, QStringList{QStringLiteral("请输入11位手机号码！")});
        type(window, QStringLiteral("1380013"));
        QTest::keyClick(box(window), Qt::Key_Return);
        QCOMPARE(fake.errors.size(), 1);
        QCOMPARE(results(window), QStringList(4));
        QVERIFY(control<QLabel>(window, "RzLabel3")->text().startsWith(QStringLiteral("注：有些人会问")));
    }
};

QTEST_MAIN(TestNumberWindows)
#include "tst_numberwindows.moc"
