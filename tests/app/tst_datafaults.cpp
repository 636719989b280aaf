// Every window that reads a data file, run on each spoilt copy of it: the almanac and the
// two day-search windows show the default error box naming the file, the phone and pairing
// windows stay silent and keep what they showed; none crashes, and the folder is left
// exactly as it was.

#include "almanac/UntJiDay.h"
#include "almanac/UntJihunDay.h"
#include "almanac/lumora.h"
#include "data/DataFolder.h"
#include "divination/SxPeid.h"
#include "divination/Unt_sjcs.h"
#include "support/Controls.h"
#include "support/TamperedDataFile.h"
#include "support/WindowTest.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

namespace {

enum class Reader { Almanac, AuspiciousSearch, WeddingSearch, Phone, Pairing };

struct ReaderCase {
    const char* name;
    Reader reader;
    const char* file;
    const char* table;
    const char* column; // one the reader reads
    bool reportsErrors; // else silent
};

// clang-format off
const ReaderCase kReaders[]{
    {"黄道吉日",   Reader::Almanac,          "VeltaBirth.dll", "lumora",       "suici",    true},
    {"吉日查询",   Reader::AuspiciousSearch, "VeltaBirth.dll", "lumora",       "ji",       true},
    {"结婚吉日",   Reader::WeddingSearch,    "VeltaBirth.dll", "lumora",       "cong",     true},
    {"手机号码",   Reader::Phone,            "dream.dll",      "shouji",       "jx",       false},
    {"生肖配对",   Reader::Pairing,          "VeltaBirth.dll", "shuxianglove", "content1", false},
};
// clang-format on

void click(const QWidget* window, const char* name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

// Runs the reader's query as a user does and returns what its result controls show.
QString readThroughWindow(Reader reader)
{
    switch (reader) {
    case Reader::Almanac: {
        const TFormLumora* window =
            ShowDailyAlmanac(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("09"));
        return control<QLabel>(window, "Label1")->text() + control<QPlainTextEdit>(window, "Memo1")->toPlainText();
    }
    case Reader::AuspiciousSearch:
    case Reader::WeddingSearch: {
        if (reader == Reader::WeddingSearch)
            ShowWeddingDaySearch();
        else
            ShowAuspiciousDaySearch(QStringLiteral("开市吉日"), 0);
        QWidget* window = reader == Reader::WeddingSearch ? static_cast<QWidget*>(FrmJihunDay) : FrmJiDay;
        click(window, "RzBitBtn1");
        return control<QPlainTextEdit>(window, "Memo1")->toPlainText();
    }
    case Reader::Phone: {
        openPhoneNumberWindow();
        auto* box = control<QLineEdit>(Frm_SJcs, "edtmun");
        activate(Frm_SJcs);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("13812348901"));
        QTest::keyClick(box, Qt::Key_Return);
        QString shown;
        for (const char* name : {"RzLabel11", "RzLabel10", "RzLabel9", "RzLabel8"})
            shown += control<QLabel>(Frm_SJcs, name)->text();
        return shown;
    }
    case Reader::Pairing:
        openZodiacPairingWindow();
        click(Frm_SxPeid, "RzBitBtn1");
        return Frm_SxPeid->RzMemo1->toPlainText() + Frm_SxPeid->FPairName;
    }
    return {};
}

} // namespace

class TestDataFaults : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    // The good files are only ever copied from.
    void initTestCase() { builtFilesBefore_ = builtFiles(); }
    void cleanupTestCase() { QCOMPARE(builtFiles(), builtFilesBefore_); }

    void spoiltDataFilesAreReportedOrIgnoredAsEachWindowDoes_data()
    {
        QTest::addColumn<int>("reader");
        QTest::addColumn<int>("tampering");
        QTest::addColumn<QString>("message");
        for (std::size_t r = 0; r < std::size(kReaders); ++r)
            for (const TamperingCase& tampered : tamperingCases())
                QTest::addRow("%s, %s", kReaders[r].name, tampered.name)
                    << int(r) << int(tampered.tampering) << tampered.message;
    }
    void spoiltDataFilesAreReportedOrIgnoredAsEachWindowDoes()
    {
        QFETCH(int, reader);
        QFETCH(int, tampering);
        QFETCH(QString, message);
        const ReaderCase& readerCase = kReaders[reader];
        if (tamperingNeedsOtherUser(Tampering(tampering)))
            QSKIP("running as root, which reads every file");

        const QString good = QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(readerCase.file));
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(readerCase.file));
        placeTampered(path, Tampering(tampering), good, QLatin1String(readerCase.table),
                      QLatin1String(readerCase.column));
        const QStringList before = fingerprintOf(dir.path());

        QString shown;
        {
            DataFolderScope folder(dir.path());
            shown = readThroughWindow(readerCase.reader);
        }
        QVERIFY2(shown.isEmpty(), qPrintable(shown.left(200))); // no result from a spoilt file
        QVERIFY(fake.tips.isEmpty());
        if (readerCase.reportsErrors) {
            QCOMPARE(fake.errors.size(), 1);
            QVERIFY2(fake.errors[0].startsWith(message) && fake.errors[0].contains(QDir::toNativeSeparators(path)),
                     qPrintable(fake.errors[0]));
        } else {
            QVERIFY2(fake.errors.isEmpty(), qPrintable(fake.errors.join(u'\n')));
        }
        QCOMPARE(fingerprintOf(dir.path()), before);
    }

private:
    static QStringList builtFiles()
    {
        QStringList files;
        for (const QString& line : fingerprintOf(QCoreApplication::applicationDirPath()))
            if (line.contains(QLatin1String(".dll ")))
                files << line;
        return files;
    }

    QStringList builtFilesBefore_;
};

QTEST_MAIN(TestDataFaults)
#include "tst_datafaults.moc"
