#include "data/Error.h"
#include "forms/SafeFileWriting.h"
#include "platform/ErrorReport.h"
#include "platform/FileSizeLimit.h"
#include "platform/LocaleSettings.h"
#include "platform/MemoPrinter.h"
#include "platform/TmpfsMount.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <optional>
#include <stdexcept>

using namespace lumora;

namespace {

// A settings store that records writes and can be told to fail a read.
class RecordingSettings final : public LocaleSettings {
public:
    std::map<LocaleSetting, QString> values;
    QList<LocaleSetting> writes;
    std::optional<LocaleSetting> failingRead;

    std::optional<QString> read(LocaleSetting setting) override
    {
        if (failingRead == setting)
            throw std::runtime_error("read failed");
        return values[setting];
    }
    void write(LocaleSetting setting, const QString& value) override
    {
        writes << setting;
        values[setting] = value;
    }

    void setWanted()
    {
        values = {{LocaleSetting::LongDate, QStringLiteral("yyyy'年'M'月'd'日'")},
                  {LocaleSetting::ShortDate, QStringLiteral("yyyy-MM-dd")},
                  {LocaleSetting::TimeFormat, QStringLiteral("H:mm:ss")},
                  {LocaleSetting::DateSeparator, QStringLiteral("-")},
                  {LocaleSetting::TimeSeparator, QStringLiteral(":")}};
    }
};

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                                  QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: %1>").arg(QString::fromUtf8(pdftotext.readAllStandardError()));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The text of a one-page memo as pdftotext gives it back: the lines that hold text (an
// empty line leaves no mark in a PDF), each ended, then a page break.
QString onOnePage(const QString& memo)
{
    QString text;
    for (const QString& line : memo.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        text += line + QLatin1Char('\n');
    return text + QLatin1Char('\f');
}

// Every entry of the folder, hidden ones too: a temporary file left behind shows here.
QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writePlainly(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
}

// A memo long and varied enough that its PDF outgrows the cramped places below.
QString longMemo()
{
    QString memo;
    for (char16_t c = u'\u4e00'; c < u'\u4e00' + 3000; ++c)
        memo += QChar(c) + QString((c % 40 == 0) ? QStringLiteral("\n") : QString());
    return memo;
}

// The message of the lumora::Error that call raises; empty when it raises none.
template <typename Call> QString errorOf(Call call)
{
    try {
        call();
    } catch (const Error& error) {
        return error.message();
    }
    return QString();
}

// Prints the memo into a PDF in dir and returns the text that landed in it.
QString printToPdf(QPrinter& printer, const QTemporaryDir& dir, const QString& memo)
{
    const QString path = dir.filePath(QStringLiteral("memo.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printMemoTo(printer, memo);
    return pdfText(path);
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void localeValuesAlreadyWantedAreNotWritten()
    {
        RecordingSettings settings;
        settings.setWanted();
        settings.values[LocaleSetting::TimeSeparator] = QStringLiteral(" :\t"); // equal once trimmed
        normalizeLocaleSettings(settings);
        QVERIFY(settings.writes.isEmpty());
    }

    void localeValuesThatDifferAreWrittenInOrder()
    {
        RecordingSettings settings;
        settings.setWanted();
        settings.values[LocaleSetting::ShortDate] = QStringLiteral("YYYY-MM-DD"); // case matters
        settings.values.erase(LocaleSetting::TimeSeparator);                      // empty counts as different
        normalizeLocaleSettings(settings);
        QCOMPARE(settings.writes, (QList{LocaleSetting::ShortDate, LocaleSetting::TimeSeparator}));
        QCOMPARE(settings.values[LocaleSetting::ShortDate], QStringLiteral("yyyy-MM-dd"));
    }

    void aFailingReadSilentlySkipsTheRest()
    {
        RecordingSettings settings; // all empty: every setting would be written
        settings.failingRead = LocaleSetting::TimeFormat;
        normalizeLocaleSettings(settings);
        QCOMPARE(settings.writes, (QList{LocaleSetting::LongDate, LocaleSetting::ShortDate}));
    }

    void errorBoxTextEndsWithAFullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "找不到数据文件"
                               << "找不到数据文件.";
        QTest::newRow("has full stop") << "Disk full."
                                       << "Disk full.";
        QTest::newRow("has Chinese full stop") << "出错了。"
                                               << "出错了。";
        QTest::newRow("has exclamation") << "请选择年!"
                                         << "请选择年!";
        QTest::newRow("has full-width exclamation") << "无法打印！"
                                                    << "无法打印！";
        QTest::newRow("has full-width question mark") << "找不到打印机？"
                                                      << "找不到打印机？";
        QTest::newRow("has question mark") << "Printer?"
                                           << "Printer?";
        QTest::newRow("blanks after the stop") << "出错了。  "
                                               << "出错了。";
    }
    void errorBoxTextEndsWithAFullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void handlerErrorsReachTheErrorBox()
    {
        FakePlatform fake;
        PlatformScope scope(fake);
        runReportingErrors([] { throw std::runtime_error("无法读取数据文件"); });
        QCOMPARE(fake.errors, QStringList{QStringLiteral("无法读取数据文件")});
    }

    // Under C.UTF-8 (see main) Noto CJK faces are picked, whose shared glyphs made 月 日 乙 辰
    // read back as Kangxi radicals.
    void memoPrintsOntoA4WithItsText()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        const QString memo = QStringLiteral("岁次:乙未年 壬午月 丙辰日\n\n忌:诸事不宜");
        const QString text = printToPdf(printer, dir, memo);

        const QPageLayout layout = printer.pageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(12.7, 12.7, 12.7, 12.7));
        QCOMPARE(text, onOnePage(memo));
    }

    void longMemoFlowsOntoFurtherPages()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        QStringList lines;
        for (int i = 1; i <= 200; ++i)
            lines << QStringLiteral("line %1").arg(i);
        const QString text = printToPdf(printer, dir, lines.join('\n'));
        QVERIFY2(text.contains(QStringLiteral("line 1\n")) && text.contains(QStringLiteral("line 200")),
                 qPrintable(text.left(200)));
        QVERIFY(text.count(QLatin1Char('\f')) >= 2); // pdftotext ends each page with a form feed
    }

    void pdfNamesNeverOverwrite_data()
    {
        QTest::addColumn<QString>("occupant"); // what already holds the first name
        QTest::newRow("file") << "file";
        QTest::newRow("folder") << "folder";
        QTest::newRow("dangling link") << "dangling link";
    }
    void pdfNamesNeverOverwrite()
    {
        QFETCH(QString, occupant);
        QTemporaryDir dir;
        const QString first = freshPdfPath(dir.path(), QStringLiteral("memo"));
        QCOMPARE(first, dir.filePath(QStringLiteral("memo.pdf")));
        if (occupant == QLatin1String("file"))
            QVERIFY(writePlainly(first, "x"));
        else if (occupant == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("memo.pdf")));
        else
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere.pdf")), first));
        QCOMPARE(freshPdfPath(dir.path(), QStringLiteral("memo")), dir.filePath(QStringLiteral("memo (2).pdf")));
    }

    void withoutAPrinterTheMemoBecomesAPdf()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        QTemporaryDir dir;
        // A link planted at the first name must not be written through to its target.
        const QString target = dir.filePath(QStringLiteral("elsewhere.pdf"));
        QVERIFY(QFile::link(target, dir.filePath(QStringLiteral("Lumora测算结果.pdf"))));

        const QString memo = QStringLiteral("宜:解除 坏垣 馀事勿取");
        const MemoPrintResult result = printMemoToDefaultPrinter(memo, dir.path());
        QVERIFY(result.savedAsPdf);
        QCOMPARE(result.pdfPath, dir.filePath(QStringLiteral("Lumora测算结果 (2).pdf")));
        QCOMPARE(pdfText(result.pdfPath), onOnePage(memo));
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(entriesOf(dir.path()),
                 (QStringList{QStringLiteral("Lumora测算结果 (2).pdf"), QStringLiteral("Lumora测算结果.pdf")}));
    }

    void aWholeFileReplacesTheOldOne()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("result.txt"));
        QVERIFY(writePlainly(path, "old and longer"));
        writeFileWhole(path, "new");
        QCOMPARE(contentOf(path), QByteArray("new"));
        QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("result.txt")});
    }

    void aWriteThatFailsLeavesNothingBehind_data()
    {
        QTest::addColumn<bool>("onFullDisk"); // else under a file size limit
        QTest::newRow("full tmpfs") << true;
        QTest::newRow("file size limit") << false;
    }
    void aWriteThatFailsLeavesNothingBehind()
    {
        QFETCH(bool, onFullDisk);
        TmpfsMount tmpfs("64k");
        QTemporaryDir plain;
        if (onFullDisk && !tmpfs.isMounted())
            QSKIP("mounting a tmpfs needs root");
        const QString folder = onFullDisk ? tmpfs.path() : plain.path();
        const QString good = QDir(folder).filePath(QStringLiteral("result.txt"));
        QVERIFY(writePlainly(good, "good"));

        std::optional<FileSizeLimit> limit;
        if (!onFullDisk)
            limit.emplace(16 * 1024);
        const QString message = errorOf([&] { writeFileWhole(good, QByteArray(200 * 1024, 'x')); });
        QVERIFY2(message.contains(good) && message.contains(QStringLiteral("未保存")), qPrintable(message));
        QCOMPARE(contentOf(good), QByteArray("good"));
        QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("result.txt")});

        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        // The second press used to report an empty file as saved.
        for (const char* press : {"first", "second"}) {
            const QString printed = errorOf([&] { printMemoToDefaultPrinter(longMemo(), folder); });
            QVERIFY2(printed.contains(folder) && printed.contains(QStringLiteral("未保存")),
                     qPrintable(QStringLiteral("%1 press: %2").arg(QLatin1String(press), printed)));
            QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("result.txt")});
        }
    }

    void aReadOnlyFolderIsNamed()
    {
        TmpfsMount readOnly("64k", MS_RDONLY);
        if (!readOnly.isMounted())
            QSKIP("mounting a tmpfs needs root");
        const QString written = errorOf([&] { writeFileWhole(readOnly.filePath(QStringLiteral("result.txt")), "x"); });
        QVERIFY2(written.contains(readOnly.path()) && written.contains(QStringLiteral("未保存")), qPrintable(written));

        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        const QString printed =
            errorOf([&] { printMemoToDefaultPrinter(QStringLiteral("忌:诸事不宜"), readOnly.path()); });
        QVERIFY2(printed.contains(readOnly.path()) && !printed.contains(QStringLiteral("打印机")), qPrintable(printed));
        QVERIFY(entriesOf(readOnly.path()).isEmpty());
    }

    void aNameThatIsAFolderIsAClearError()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("result.txt"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("result.txt")));
        const QString message = errorOf([&] { writeFileWhole(path, "x"); });
        QVERIFY2(message.contains(path) && message.contains(QStringLiteral("文件夹")), qPrintable(message));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("result.txt")});
    }

    void blankMemoIsNotPrinted()
    {
        FakePlatform fake;
        PlatformScope scope(fake);
        printMemoReport(QStringLiteral(" \n\t\n"));
        QVERIFY(fake.printedMemos.isEmpty());
        printMemoReport(QStringLiteral("忌:诸事不宜"));
        QCOMPARE(fake.printedMemos, QStringList{QStringLiteral("忌:诸事不宜")});
    }
};

int main(int argc, char** argv)
{
    // A non-Chinese locale, where fontconfig's own choices are Japanese faces: printed
    // text must read back exactly even so.
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_platform.moc"
