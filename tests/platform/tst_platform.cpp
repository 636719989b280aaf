#include "platform/ErrorReport.h"
#include "platform/LocaleSettings.h"
#include "platform/MemoPrinter.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
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

    void pdfNamesNeverOverwrite()
    {
        QTemporaryDir dir;
        const QString first = freshPdfPath(dir.path(), QStringLiteral("memo"));
        QCOMPARE(first, dir.filePath(QStringLiteral("memo.pdf")));
        QFile(first).open(QIODevice::WriteOnly);
        const QString second = freshPdfPath(dir.path(), QStringLiteral("memo"));
        QCOMPARE(second, dir.filePath(QStringLiteral("memo (2).pdf")));
    }

    void withoutAPrinterTheMemoBecomesAPdf()
    {
        QTemporaryDir dir;
        const MemoPrintResult result = printMemoToDefaultPrinter(QStringLiteral("宜:解除"), dir.path());
        if (!result.savedAsPdf)
            QSKIP("this machine has a default printer");
        QVERIFY(result.pdfPath.startsWith(dir.path()));
        QVERIFY(pdfText(result.pdfPath).contains(QStringLiteral("宜:解除")));
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
