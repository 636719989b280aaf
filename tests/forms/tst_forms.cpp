// The forms kit, under a non-Chinese locale, as every window meets it.

#include "forms/ClickableLabel.h"
#include "forms/DateLists.h"
#include "forms/EditableList.h"
#include "forms/FormFonts.h"
#include "forms/FormRows.h"
#include "forms/FormWindow.h"
#include "forms/Opener.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace lumora;

namespace {

class ToolDialog : public QDialog {
public:
    ToolDialog() { setUpFixedDialog(*this, QStringLiteral("ToolDialog"), QStringLiteral("生男生女"), {200, 100}); }
};

ToolDialog* openedTool = nullptr;

} // namespace

class TestForms : public QObject {
    Q_OBJECT

    FakePlatform fake;
    PlatformScope scope{fake};

private Q_SLOTS:
    // Under LANG=C.UTF-8 fontconfig would answer 宋体 with a Japanese face.
    void namedFacesResolveToSimplifiedChineseFaces_data()
    {
        QTest::addColumn<FormFace>("face");
        QTest::addColumn<QFont::Weight>("weight");
        QTest::addColumn<QString>("family");
        QTest::newRow("宋体") << FormFace::Song << QFont::Normal << "Noto Serif CJK SC";
        QTest::newRow("楷体_GB2312") << FormFace::Kai << QFont::Bold << "AR PL UKai CN";
        QTest::newRow("隶书") << FormFace::Li << QFont::Bold << "AR PL UKai CN";
        QTest::newRow("黑体") << FormFace::Hei << QFont::Bold << "Noto Sans CJK SC";
        QTest::newRow("Arial") << FormFace::Arial << QFont::Bold << "Noto Sans CJK SC";
        QTest::newRow("Arial Black") << FormFace::ArialBlack << QFont::Black << "Noto Sans CJK SC";
    }
    void namedFacesResolveToSimplifiedChineseFaces()
    {
        QFETCH(FormFace, face);
        QFETCH(QFont::Weight, weight);
        QFETCH(QString, family);
        QCOMPARE(qgetenv("LANG"), QByteArray("C.UTF-8"));
        const QFont font = formFont(face, 12, weight);
        QCOMPARE(font.pixelSize(), 12);
        QCOMPARE(QFontInfo(font).family(), family);
        // A plain request by name, as a style sheet makes, lands on the same face.
        QCOMPARE(QFontInfo(QFont(formFaceName(face))).family(), family);
    }

    void editableListKeepsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("1, a prefix of 10 11 12") << "1";
        QTest::newRow("0, a prefix of 01 … 09") << "0";
        QTest::newRow("6, unpadded") << "6";
        QTest::newRow("1 then 2") << "12";
        QTest::newRow("not an item") << "13x";
    }
    void editableListKeepsWhatWasTyped()
    {
        QFETCH(QString, typed);
        QWidget window;
        auto* row = new QHBoxLayout(&window);
        const DateLists lists = addDateLists(&window, *row);
        window.show();
        typeInto(lists.month, typed);
        QCOMPARE(lists.month->currentText(), typed);
        QTest::keyClick(lists.month, Qt::Key_Return);
        QCOMPARE(lists.month->currentText(), typed);
        QCOMPARE(lists.month->count(), 12); // nothing typed became an item
    }

    void dateListsStartEmptyAndTakeTodayWhenEmpty()
    {
        QWidget window;
        auto* row = new QHBoxLayout(&window);
        const DateLists lists = addDateLists(&window, *row);
        QCOMPARE(control<QComboBox>(&window, "SYear")->itemText(0), QStringLiteral("2010"));
        QCOMPARE(lists.day->count(), 31);
        QVERIFY(lists.year->currentText().isEmpty());
        lists.month->setEditText(QStringLiteral(" 6 "));
        fillEmptyDateLists(lists, QDate(2015, 6, 9));
        QCOMPARE(lists.year->currentText(), QStringLiteral("2015"));
        QCOMPARE(lists.month->currentText(), QStringLiteral(" 6 "));
        QCOMPARE(lists.day->currentText(), QStringLiteral("09"));
    }

    void readOnlyMemoScrollsByKeyboard()
    {
        QPlainTextEdit* memo = newMemo(nullptr, QStringLiteral("Memo2"), true);
        const std::unique_ptr<QPlainTextEdit> owner(memo);
        QStringList lines;
        for (int i = 1; i <= 200; ++i)
            lines << QStringLiteral("第%1行").arg(i);
        memo->setPlainText(lines.join('\n'));
        memo->resize(200, 120);
        memo->show();
        QVERIFY(memo->isReadOnly());
        QScrollBar* bar = memo->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(memo, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(memo->toPlainText(), lines.join('\n'));
    }

    void clickableLabelTellsPressAndClick()
    {
        ClickableLabel label(QStringLiteral("今天"));
        label.resize(40, 20);
        label.show();
        QSignalSpy pressed(&label, &ClickableLabel::pressed);
        QSignalSpy clicked(&label, &ClickableLabel::clicked);
        QTest::mouseClick(&label, Qt::LeftButton);
        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(clicked.count(), 1);
    }

    void fixedDialogHasOnlyACloseBox()
    {
        ToolDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("生男生女"));
        QCOMPARE(dialog.size(), QSize(200, 100));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(QFontInfo(dialog.font()).pixelSize(), 12);
    }

    void openerReplacesTheEarlierInstance()
    {
        openReplacing(openedTool);
        QPointer<ToolDialog> first(openedTool);
        QCOMPARE(fake.modalDialogs.size(), 1);
        first->close();
        QVERIFY(!first.isNull()); // closing only hides it

        openReplacing(openedTool);
        QVERIFY(first.isNull());
        QVERIFY(openedTool != nullptr);
        QCOMPARE(fake.modalDialogs.size(), 2);
        QCOMPARE(fake.modalDialogs.last(), openedTool);

        delete openedTool; // however it goes, the reference does not dangle
        QVERIFY(openedTool == nullptr);
    }
};

int main(int argc, char** argv)
{
    // The locale must be set before fontconfig and Qt read it.
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    TestForms test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_forms.moc"
