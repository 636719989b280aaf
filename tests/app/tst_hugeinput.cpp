// A megabyte pasted into every text box of every window, and a day whose row holds a
// million characters: each action ends with its ordinary outcome, nothing crashes and the
// window still answers. Times are measured in bench/, not here: QTest's watchdog is the
// only clock.

#include "almanac/UntJiDay.h"
#include "almanac/UntJihunDay.h"
#include "almanac/lumora.h"
#include "app/Unt_Main.h"
#include "calendar/DateWin.h"
#include "data/DataFolder.h"
#include "divination/UntQQ.h"
#include "divination/UntWangm.h"
#include "divination/Unt_sjcs.h"
#include "divination/Untonteher.h"
#include "forms/OneLineLabel.h"
#include "support/Controls.h"
#include "support/HugeDayRow.h"
#include "support/WindowTest.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace lumora;

namespace {

struct WindowCase {
    const char* name;
    std::function<QWidget*()> open;
    const char* action; // the button that acts on the boxes
};

// Runs a window's opener and hands back the instance it left open.
template <void (&opener)(), auto& instance> QWidget* openedBy()
{
    opener();
    return instance;
}

const QList<WindowCase>& windowCases()
{
    static const QList<WindowCase> cases{
        {"main window", [] { return static_cast<QWidget*>(new TFrmmain); }, "RzButton57"},
        {"黄道吉日", [] { return static_cast<QWidget*>(ShowDailyAlmanac()); }, "RzBitBtn1"},
        {"吉日查询",
         [] {
             ShowAuspiciousDaySearch(QStringLiteral("开市吉日"), 0);
             return static_cast<QWidget*>(FrmJiDay);
         },
         "RzBitBtn1"},
        {"结婚吉日", openedBy<ShowWeddingDaySearch, FrmJihunDay>, "RzBitBtn1"},
        {"QQ号码", openedBy<openQQNumberWindow, FrmQQhm>, "RzBitBtn1"},
        {"任意号码", openedBy<openAnyNumberWindow, Frm_onther>, "RzBitBtn1"},
        {"手机号码", openedBy<openPhoneNumberWindow, Frm_SJcs>, "RzBitBtn1"},
        {"网名", openedBy<openNetNameWindow, FrmWangming>, "RzBitBtn1"},
        {"万年历", openedBy<openPerpetualCalendar, FRM_Date>, nullptr},
    };
    return cases;
}

// Pastes through the clipboard with Ctrl+V over whatever the box held, as a user does.
void pasteInto(QWidget* box, const QString& text)
{
    activate(box->window());
    box->setFocus();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class TestHugeInput : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    // Every box takes the paste whole, or as much as its length limit or validator lets
    // through; pressing the window's button then gives its usual answer (a tip, an error
    // box or a result), and the window still takes a key and closes.
    void aMegabytePastedIntoEveryBox_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("pasted");
        for (qsizetype w = 0; w < windowCases().size(); ++w) {
            QTest::addRow("%s, digits", windowCases()[w].name) << int(w) << QString(1'000'000, u'8');
            QTest::addRow("%s, Chinese", windowCases()[w].name) << int(w) << QString(1'000'000, u'宜');
        }
    }
    void aMegabytePastedIntoEveryBox()
    {
        QFETCH(int, window);
        QFETCH(QString, pasted);
        const WindowCase& windowCase = windowCases()[window];
        std::unique_ptr<QWidget> owned;
        QPointer<QWidget> shown = windowCase.open();
        if (!shown->isVisible()) { // the main window is the caller's to show and free
            owned.reset(shown);
            shown->show();
        }

        int boxes = 0;
        for (QLineEdit* box : shown->findChildren<QLineEdit*>()) {
            if (!box->isVisibleTo(shown) || !box->isEnabled() || box->isReadOnly())
                continue;
            ++boxes;
            pasteInto(box, pasted);
            if (!box->validator())
                QCOMPARE(box->text().size(), qMin(pasted.size(), qsizetype(box->maxLength())));
        }
        for (QPlainTextEdit* memo : shown->findChildren<QPlainTextEdit*>()) {
            if (!memo->isVisibleTo(shown) || memo->isReadOnly())
                continue;
            ++boxes;
            pasteInto(memo->viewport(), pasted);
            QCOMPARE(memo->toPlainText(), pasted);
        }
        QVERIFY(boxes > 0);
        if (windowCase.action)
            QTest::mouseClick(control<QAbstractButton>(shown, windowCase.action), Qt::LeftButton);

        QVERIFY(shown); // still there after all of it
        QCoreApplication::processEvents();
        QTest::keyClick(shown, Qt::Key_Tab);
        QVERIFY(shown->close() || owned);
    }

    // A million characters in the overview (nn) or a memo item (yi): the memo holds the
    // whole field, the overview line shows its start, cut with "…".
    void aDayWithAMillionCharacterFieldIsShown_data()
    {
        QTest::addColumn<QString>("column");
        QTest::newRow("nn, the overview") << "nn";
        QTest::newRow("yi, a memo line") << "yi";
    }
    void aDayWithAMillionCharacterFieldIsShown()
    {
        QFETCH(QString, column);
        QTemporaryDir folder;
        writeHugeDayRow(folder.filePath(QStringLiteral("VeltaBirth.dll")), column);
        DataFolderScope data(folder.path());
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("09"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(fake.errors.isEmpty() && fake.tips.isEmpty());

        const QString overview = window->Label1->text();
        const QString memo = window->Memo1->toPlainText();
        if (column == QLatin1String("nn")) {
            QCOMPARE(overview.size(), kOneLineLabelLimit + 1);
            QVERIFY(overview.startsWith(QStringLiteral("2015-06-09  8888")) && overview.endsWith(u'…'));
            QVERIFY(memo.startsWith(QStringLiteral("岁次:suici\n")));
        } else {
            QCOMPARE(overview, QStringLiteral("2015-06-09  nn"));
            QVERIFY(memo.contains(QStringLiteral("\n宜:") + hugeField() + QStringLiteral("\n\n凶神宜忌:xsyq\n")));
        }
        // The window answers: it scrolls to the end of the memo and closes at a click.
        window->Memo1->setFocus();
        QTest::keyClick(window->Memo1, Qt::Key_End, Qt::ControlModifier);
        QTest::mouseClick(window->RzBitBtn2, Qt::LeftButton);
        deleteClosedWindows();
        QVERIFY(!window);
    }
};

QTEST_MAIN(TestHugeInput)
#include "tst_hugeinput.moc"
