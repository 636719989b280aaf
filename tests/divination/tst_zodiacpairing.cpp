// The zodiac pairing window, driven as a user does, on the built VeltaBirth.dll and on a
// small fixture; and the pieces of the reading it is built from.

#include "data/Query.h"
#include "data/uShare.h"
#include "divination/SxPeid.h"
#include "divination/ZodiacPairing.h"
#include "platform/FileSizeLimit.h"
#include "platform/TmpfsMount.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/PairingFixture.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace lumora;

namespace {

const QString kFilter = QStringLiteral("文本文件 (*.txt)");

QByteArray gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writePlainly(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString connectionTo(const QString& path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True").arg(path);
}

QString stored(const QString& text)
{
    return encodeContent(text, kContentKey, kContentRounds);
}

// Four rows, with blanks around the values as imported data may have: 鼠/鼠 all four
// contents empty, 鼠/牛 only content3, 牛/鼠 all four with two damaged pairs in content2,
// 虎/牛 a title only. No row for any other pair.
void writeFixture(const QString& path)
{
    const QString damaged = stored(QStringLiteral("第二段"));
    writePairingFixture(
        path, {
                  {"鼠", "鼠", "空", "", " ", "", "  "},
                  {"鼠", "牛", "三", "", "", " " + stored(QStringLiteral("只有第三段")) + " ", ""},
                  {"牛", "鼠", "全", stored(QStringLiteral("第一段")), damaged.left(4) + "zz" + damaged.mid(4) + "Q!",
                   stored(QStringLiteral("第三段")), stored(QStringLiteral("第四段"))},
                  {"虎", "牛", "题", "", "", "", ""},
              });
}

} // namespace

class TestZodiacPairing : public WindowTest {
    Q_OBJECT

    QTemporaryDir fixtureDir;
    QString fixture;

    TFrm_SxPeid* open()
    {
        openZodiacPairingWindow();
        return Frm_SxPeid;
    }

    // Picks an animal in a list with the keys, as a user does.
    static void pick(QComboBox* list, const QString& animal)
    {
        activate(list->window());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (std::size_t i = 0; i < kZodiacAnimals.size() && kZodiacAnimals[i] != animal; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), animal);
    }

    static void pair(TFrm_SxPeid* window, const QString& man, const QString& woman)
    {
        pick(window->ComboBoxDL, man);
        pick(window->ComboBoxXX, woman);
        QTest::mouseClick(window->RzBitBtn1, Qt::LeftButton);
    }

    static void save(TFrm_SxPeid* window) { QTest::mouseClick(window->RzBitBtn2, Qt::LeftButton); }

    static QStringList memoLines(const TFrm_SxPeid* window) { return window->RzMemo1->toPlainText().split(u'\n'); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(fixtureDir.isValid());
        fixture = fixtureDir.filePath(QStringLiteral("pairing.dll"));
        writeFixture(fixture);
    }
    void pairingSqlIsTheProgramsText()
    {
        QCOMPARE(pairingSql(QStringLiteral("鼠"), QStringLiteral("牛")),
                 QStringLiteral("select title,content1,content2,content3,content4 from shuxianglove  where "
                                "shengxiao1 = '鼠' and shengxiao2 = '牛'"));
        QCOMPARE(pairingSql(QStringLiteral("a'b"), QStringLiteral("'")),
                 QStringLiteral("select title,content1,content2,content3,content4 from shuxianglove  where "
                                "shengxiao1 = 'a''b' and shengxiao2 = ''''"));
    }

    void theListsOnlySelect()
    {
        TFrm_SxPeid* window = open();
        QCOMPARE(fake.modalDialogs, QList<QDialog*>{window});
        QCOMPARE(window->windowTitle(), QStringLiteral("生肖配对"));
        QStringList twelve;
        for (const QStringView animal : kZodiacAnimals)
            twelve << animal.toString();
        QCOMPARE(twelve.join(QString()), QStringLiteral("鼠牛虎兔龙蛇马羊猴鸡狗猪"));
        for (QComboBox* list : {window->ComboBoxDL, window->ComboBoxXX}) {
            QVERIFY(!list->isEditable());
            QCOMPARE(list->currentText(), QStringLiteral("鼠"));
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            QCOMPARE(items, twelve);
            activate(window);
            list->setFocus();
            QTest::keyClicks(list, QStringLiteral("xyz1"));
            QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, QStringLiteral("龍"), Qt::NoModifier);
            QVERIFY2(twelve.contains(list->currentText()), qPrintable(list->currentText()));
        }
        QVERIFY(window->RzMemo1->isReadOnly());
        QVERIFY(window->RzMemo1->toPlainText().isEmpty());
        QVERIFY(window->FPairName.isEmpty());
    }

    void aPairingShowsItsFourParagraphs_data()
    {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("woman");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("relation");
        QTest::newRow("鼠 牛") << "鼠"
                               << "牛"
                               << "男属鼠，生于子年；女属牛，生于丑年。"
                               << "子丑六合";
        QTest::newRow("the same animal") << "鼠"
                                         << "鼠"
                                         << "男属鼠，生于子年；女属鼠，生于子年。"
                                         << "两人同属鼠";
        QTest::newRow("猪 蛇, the lists' last and middle") << "猪"
                                                           << "蛇"
                                                           << "男属猪，生于亥年；女属蛇，生于巳年。"
                                                           << "巳亥六冲";
    }
    void aPairingShowsItsFourParagraphs()
    {
        QFETCH(QString, man);
        QFETCH(QString, woman);
        QFETCH(QString, opening);
        QFETCH(QString, relation);
        TFrm_SxPeid* window = open();
        pair(window, man, woman);
        const QStringList lines = memoLines(window);
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[0], man + QStringLiteral("和") + woman + QStringLiteral("配对结果如下:"));
        for (int i : {1, 2, 4, 6, 8, 10})
            QVERIFY2(lines[i].isEmpty(), qPrintable(QString::number(i)));
        QVERIFY2(lines[3].startsWith(opening) && lines[3].contains(relation), qPrintable(lines[3]));
        QVERIFY2(lines[5].startsWith(QStringLiteral("属%1的男人").arg(man)), qPrintable(lines[5]));
        QVERIFY2(lines[7].startsWith(QStringLiteral("属%1的女人").arg(woman)), qPrintable(lines[7]));
        QVERIFY(!lines[9].isEmpty());
        QCOMPARE(window->FPairName, man + QStringLiteral("配对") + woman);
        QCOMPARE(fake.beeps, 0);
        QVERIFY(fake.tips.isEmpty() && fake.errors.isEmpty());
    }

    void storedRowsShowWhatTheyHold_data()
    {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("woman");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("beeps");
        QTest::newRow("empty contents add nothing") << "鼠"
                                                    << "鼠" << QStringList{"鼠和鼠配对结果如下:", "", ""} << 0;
        QTest::newRow("only content3") << "鼠"
                                       << "牛" << QStringList{"鼠和牛配对结果如下:", "", "", "只有第三段", ""} << 0;
        QTest::newRow("a damaged pair beeps, the rest decodes")
            << "牛"
            << "鼠"
            << QStringList{"牛和鼠配对结果如下:", "", "", "第一段", "", "第二段", "", "第三段", "", "第四段", ""} << 2;
    }
    void storedRowsShowWhatTheyHold()
    {
        QFETCH(QString, man);
        QFETCH(QString, woman);
        QFETCH(QStringList, lines);
        QFETCH(int, beeps);
        TFrm_SxPeid* window = open();
        window->AdoData.setConnectionString(connectionTo(fixture));
        pair(window, man, woman);
        QCOMPARE(memoLines(window), lines);
        QCOMPARE(fake.beeps, beeps);
        QCOMPARE(window->FPairName, man + QStringLiteral("配对") + woman);
    }

    // No row empties the memo but keeps the name; a failing data file changes nothing.
    // Neither says a word, and neither lets "保存" write.
    void noRowAndFailuresAreSilent()
    {
        TFrm_SxPeid* window = open();
        window->AdoData.setConnectionString(connectionTo(fixture));
        pair(window, QStringLiteral("鼠"), QStringLiteral("牛"));
        const QString shown = window->RzMemo1->toPlainText();

        window->AdoData.setConnectionString(connectionTo(fixtureDir.filePath(QStringLiteral("missing.dll"))));
        pair(window, QStringLiteral("牛"), QStringLiteral("鼠"));
        QCOMPARE(window->RzMemo1->toPlainText(), shown);
        QCOMPARE(window->FPairName, QStringLiteral("鼠配对牛"));
        QVERIFY(!QFileInfo::exists(fixtureDir.filePath(QStringLiteral("missing.dll"))));

        window->AdoData.setConnectionString(connectionTo(fixture));
        pair(window, QStringLiteral("虎"), QStringLiteral("虎"));
        QVERIFY(window->RzMemo1->toPlainText().isEmpty());
        QCOMPARE(window->FPairName, QStringLiteral("鼠配对牛"));
        save(window);
        QVERIFY(fake.saveDialogs.isEmpty());
        QVERIFY(fake.tips.isEmpty() && fake.errors.isEmpty());
        QCOMPARE(fake.beeps, 0);
    }

    void nothingToSaveBeforeAPairing()
    {
        TFrm_SxPeid* window = open();
        save(window);
        QVERIFY(fake.saveDialogs.isEmpty());
    }

    void theSavedFileIsGbkWithCrLf_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("abc") << "abc"
                             << "abc.txt";
        QTest::newRow("abc.txt gets another .txt") << "abc.txt"
                                                   << "abc.txt.txt";
        QTest::newRow("a Chinese name") << "配对结果"
                                        << "配对结果.txt";
    }
    void theSavedFileIsGbkWithCrLf()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QTemporaryDir dir;
        TFrm_SxPeid* window = open();
        pair(window, QStringLiteral("鼠"), QStringLiteral("牛"));
        fake.saveFileAnswer = dir.filePath(chosen);
        save(window);
        QCOMPARE(fake.saveDialogs.size(), 1);
        QCOMPARE(fake.saveDialogs[0].caption, QStringLiteral("保存"));
        QCOMPARE(fake.saveDialogs[0].filter, kFilter);
        QCOMPARE(fake.saveDialogs[0].fileName, QStringLiteral("鼠配对牛"));

        const QByteArray bytes = contentOf(dir.filePath(written));
        QVERIFY(bytes.startsWith(gbk(QStringLiteral("鼠和牛配对结果如下:")) + "\r\n\r\n\r\n" +
                                 gbk(QStringLiteral("男属鼠"))));
        QVERIFY(bytes.endsWith(gbk(QStringLiteral("。")) + "\r\n\r\n"));
        QCOMPARE(bytes.count("\r\n"), 11);
        QCOMPARE(bytes.count('\n'), 11);
        QStringDecoder decoder("GBK");
        const QString text = decoder.decode(bytes);
        QVERIFY(!decoder.hasError());
        QCOMPARE(text, window->RzMemo1->toPlainText().replace(u'\n', QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        QVERIFY(fake.tips.isEmpty());
    }

    void savingReplacesAnExistingFileAndCancelWritesNothing()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("result.txt"));
        QVERIFY(writePlainly(target, QByteArray(10000, 'o')));
        TFrm_SxPeid* window = open();
        window->AdoData.setConnectionString(connectionTo(fixture));
        pair(window, QStringLiteral("鼠"), QStringLiteral("鼠"));

        fake.saveFileAnswer = QString(); // cancelled
        save(window);
        QCOMPARE(contentOf(target), QByteArray(10000, 'o'));

        fake.saveFileAnswer = dir.filePath(QStringLiteral("result"));
        save(window);
        QCOMPARE(contentOf(target), gbk(QStringLiteral("鼠和鼠配对结果如下:")) + "\r\n\r\n\r\n");
        QCOMPARE(fake.saveDialogs.size(), 2);
        QVERIFY(fake.tips.isEmpty());
    }

    // Writing that fails is told, naming the file; a file already there keeps its bytes.
    void aFailedSaveIsToldAndKeepsTheOldFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.txt")));
        TFrm_SxPeid* window = open();
        pair(window, QStringLiteral("鼠"), QStringLiteral("牛"));
        fake.saveFileAnswer = dir.filePath(QStringLiteral("taken"));
        save(window);
        QCOMPARE(fake.tips.size(), 1);
        QVERIFY2(fake.tips[0].contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("taken.txt")))),
                 qPrintable(fake.tips[0]));
        QVERIFY(fake.errors.isEmpty());

        TmpfsMount tmpfs("64k");
        if (!tmpfs.isMounted())
            QSKIP("mounting a tmpfs needs root");
        const QString old = tmpfs.filePath(QStringLiteral("old.txt"));
        QVERIFY(writePlainly(old, "the earlier result"));
        QVERIFY(tmpfs.remountReadOnly());
        fake.saveFileAnswer = tmpfs.filePath(QStringLiteral("old"));
        save(window);
        QCOMPARE(fake.tips.size(), 2);
        QVERIFY2(fake.tips[1].contains(QStringLiteral("old.txt")) && fake.tips[1].contains(QStringLiteral("未保存")),
                 qPrintable(fake.tips[1]));
        QCOMPARE(contentOf(old), QByteArray("the earlier result"));
        QCOMPARE(QDir(tmpfs.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    }

    // A disk that fills up mid-write is told like any failed save; the file already at the
    // name keeps every byte and no half-written file is left beside it.
    void aSaveOntoAFullDiskIsToldAndKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("onFullTmpfs"); // else under a file size limit
        QTest::newRow("full tmpfs") << true;
        QTest::newRow("file size limit") << false;
    }
    void aSaveOntoAFullDiskIsToldAndKeepsTheOldFile()
    {
        QFETCH(bool, onFullTmpfs);
        TmpfsMount tmpfs("64k");
        QTemporaryDir plain;
        if (onFullTmpfs && !tmpfs.isMounted())
            QSKIP("mounting a tmpfs needs root");
        const QString folder = onFullTmpfs ? tmpfs.path() : plain.path();
        const QString old = QDir(folder).filePath(QStringLiteral("old.txt"));
        QVERIFY(writePlainly(old, "the earlier result"));
        if (onFullTmpfs) // fill what is left, short of a page
            QVERIFY(writePlainly(QDir(folder).filePath(QStringLiteral("filler")), QByteArray(60 * 1024, 'f')));
        const QStringList entriesBefore = QDir(folder).entryList(QDir::Files | QDir::Hidden);

        TFrm_SxPeid* window = open();
        pair(window, QStringLiteral("牛"), QStringLiteral("鼠"));
        fake.saveFileAnswer = QDir(folder).filePath(QStringLiteral("old"));
        {
            std::optional<FileSizeLimit> limit;
            if (!onFullTmpfs)
                limit.emplace(64);
            save(window);
        }
        QCOMPARE(fake.tips.size(), 1);
        QVERIFY2(fake.tips[0].contains(QStringLiteral("old.txt")) && fake.tips[0].contains(QStringLiteral("未保存")),
                 qPrintable(fake.tips[0]));
        QCOMPARE(contentOf(old), QByteArray("the earlier result"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), entriesBefore);
    }

    void suggestedNamesRefuseForbiddenBytes_data()
    {
        QTest::addColumn<QString>("pairName");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("鼠配对牛") << "鼠配对牛"
                                  << "鼠配对牛";
        QTest::newRow("trimmed") << " 鼠配对牛 "
                                 << "鼠配对牛";
        for (const char* forbidden : {"*", "/", "<", ">", "?", "\\", "|"})
            QTest::addRow("%s", forbidden) << QStringLiteral("鼠%1牛").arg(QLatin1String(forbidden)) << "*.txt";
        // GBK D55C and D57C: their second bytes are "\" and "|".
        QTest::newRow("誠, second byte \\") << "誠"
                                            << "*.txt";
        QTest::newRow("諀, second byte |") << "諀"
                                           << "*.txt";
        QTest::newRow("other punctuation passes") << "a:b\"c.d"
                                                  << "a:b\"c.d";
    }
    void suggestedNamesRefuseForbiddenBytes()
    {
        QFETCH(QString, pairName);
        QFETCH(QString, suggested);
        QCOMPARE(suggestedSaveName(pairName), suggested);
    }

    void closingFreesTheWindow()
    {
        QPointer<TFrm_SxPeid> first = open();
        QTest::mouseClick(first->RzBitBtn4, Qt::LeftButton);
        deleteClosedWindows();
        QVERIFY(first.isNull());
        QVERIFY(Frm_SxPeid == nullptr);
        QPointer<TFrm_SxPeid> second = open();
        QVERIFY(second->isVisible());
        open();
        QVERIFY(second.isNull()); // a later opening replaces it
    }
};

QTEST_MAIN(TestZodiacPairing)
#include "tst_zodiacpairing.moc"
