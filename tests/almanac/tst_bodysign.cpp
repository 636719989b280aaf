// The body-sign window: the seven signs' texts as shown, the hidden tab strip, several
// windows at once.

#include "almanac/BodySigns.h"
#include "almanac/UntOnther.h"
#include "support/Clipping.h"
#include "support/Controls.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringEncoder>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace lumora;

namespace {

QTabWidget* pages(const QWidget* window)
{
    return control<QTabWidget>(window, "RzPageControl1");
}

const QPlainTextEdit* shownMemo(const QWidget* window)
{
    return qobject_cast<const QPlainTextEdit*>(pages(window)->currentWidget());
}

// SHA-256 of the text in the program's code page, GBK.
QByteArray gbkDigest(const QString& text)
{
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(text);
    if (gbk.hasError())
        return {};
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

TFormOnther* open(const QString& title, int page)
{
    ShowBodySignDivination(title, page);
    return FormOnther;
}

} // namespace

class TestBodySignWindow : public WindowTest {
    Q_OBJECT

private Q_SLOTS:

    // The digests are of the texts as written down for each sign, lines joined by one
    // empty line, in GBK: one changed byte anywhere fails its row.
    void eachSignShowsItsTextByteForByte_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("打喷嚏占卜吉凶") << "打喷嚏占卜吉凶" << 0 << 12
                                        << QByteArray(
                                               "30933fe1ce6198e42e3b2088b99b2590b6ace1da2882dfd68690f1c5929f2bcf");
        QTest::newRow("面热测吉凶") << "面热测吉凶" << 1 << 6
                                    << QByteArray("708467e462b859c042c5eca7a94e8b74100b859c40832d7368e06e599f38ec57");
        QTest::newRow("心惊测吉凶") << "心惊测吉凶" << 2 << 6
                                    << QByteArray("7ed073d193a8226a5f8d1ba4b9ba6855010246083b9abb9eda0270b63ce73635");
        QTest::newRow("犬吠测吉凶") << "犬吠测吉凶" << 3 << 6
                                    << QByteArray("999a74a4bf6865240c9a9956805cb88175c774b637e28ef9fd88d6427a870061");
        QTest::newRow("眼跳测吉凶") << "眼跳测吉凶" << 4 << 6
                                    << QByteArray("7493d468bc4e20c80fa138abf70f2e47fa9f6d432e8410e4b234a4082b544562");
        QTest::newRow("耳热测吉凶") << "耳热测吉凶" << 5 << 6
                                    << QByteArray("498116b2fb9bb756f814ba17026092b8c2a6e2e5fbbe813725e343ce0b0ea213");
        QTest::newRow("耳鸣测吉凶") << "耳鸣测吉凶" << 6 << 6
                                    << QByteArray("f8aebed409a795145101c87ad6da9310849d76019d6cfba807c7bfc52e58563f");
    }
    void eachSignShowsItsTextByteForByte()
    {
        QFETCH(QString, title);
        QFETCH(int, page);
        QFETCH(int, lines);
        QFETCH(QByteArray, digest);
        QPointer<TFormOnther> window = open(title, page);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(pages(window)->currentIndex(), page);
        QVERIFY(!pages(window)->tabBar()->isVisible());

        const QPlainTextEdit* memo = shownMemo(window);
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(Qt::white));
        const QString text = memo->toPlainText();
        QCOMPARE(gbkDigest(text), digest);
        const QStringList shown = text.split(u'\n');
        QCOMPARE(shown.size(), 2 * lines - 1);
        for (qsizetype line = 1; line < shown.size(); line += 2)
            QVERIFY2(shown[line].isEmpty(), qPrintable(QStringLiteral("line %1").arg(line + 1)));
        QCOMPARE(clippedTexts(window), QStringList());
    }

    // Where a careless copy would "fix" the text; a failing row names the line.
    void oddCharactersStay_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("blank before 点") << 0 << 0 << "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。";
        QTest::newRow("blank after 早上") << 0 << 3 << "早上 7点-早上9点 有人请食饭、大喜之事将发生。";
        QTest::newRow("丑时； and 镅, two blanks")
            << 1 << 1 << "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。";
        QTest::newRow("one blank") << 2 << 0 << "子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。";
        QTest::newRow("no separator") << 4 << 0 << "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。";
        QTest::newRow("blank before 。") << 5 << 0 << "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。";
        QTest::newRow("，before 戌时") << 5 << 4 << "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。";
        QTest::newRow("已时") << 5 << 5 << "已时：主有财物，之事不利。亥时：主有官非，词讼之事。";
    }
    void oddCharactersStay()
    {
        QFETCH(int, page);
        QFETCH(int, line);
        QFETCH(QString, text);
        QCOMPARE(bodySignLines(page).value(line), text);
    }

    void noteNamesTheDoubleHoursInNavy()
    {
        const TFormOnther* window = open(QStringLiteral("面热测吉凶"), 1);
        const auto* note = control<QLabel>(window, "RzLabel1");
        QCOMPARE(note->text(), QStringLiteral("说明：\n"
                                              "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
                                              "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
                                              "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点"));
        QCOMPARE(note->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QVERIFY(note->isVisible());
    }

    void keyboardCannotTurnThePage()
    {
        TFormOnther* window = open(QStringLiteral("眼跳测吉凶"), 4);
        activate(window);
        const_cast<QPlainTextEdit*>(shownMemo(window))->setFocus();
        for (const auto modifiers :
             {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(pages(window)->currentIndex(), 4);
        }
    }

    void windowsStandSideBySide()
    {
        QPointer<TFormOnther> eye = open(QStringLiteral("眼跳测吉凶"), 4);
        QPointer<TFormOnther> ear = open(QStringLiteral("耳鸣测吉凶"), 6);
        QVERIFY(eye != ear);
        QCOMPARE(FormOnther, ear.data());
        QVERIFY(eye->isVisible() && ear->isVisible());
        QVERIFY(fake.modalDialogs.isEmpty());

        eye->close();
        deleteClosedWindows();
        QVERIFY(eye.isNull());
        QVERIFY(FormOnther == nullptr);
        QVERIFY(ear->isVisible());
        QCOMPARE(ear->windowTitle(), QStringLiteral("耳鸣测吉凶"));
        QCOMPARE(shownMemo(ear)->toPlainText(), bodySignText(6));
    }

    void aNumberThatIsNoPageShowsOnlyTheNote()
    {
        for (const int page : {-1, 7}) {
            QPointer<TFormOnther> window = open(QStringLiteral("吉凶"), page);
            QVERIFY(window->isVisible());
            QVERIFY(!pages(window)->isVisible());
            QVERIFY(control<QLabel>(window, "RzLabel1")->isVisible());
        }
        QVERIFY(bodySignText(7).isEmpty());
    }
};

QTEST_MAIN(TestBodySignWindow)
#include "tst_bodysign.moc"
