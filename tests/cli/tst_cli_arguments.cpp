#include "cli/ArgumentText.h"
#include "cli/DateArguments.h"

#include <QtTest>

using namespace lumora::cli;

// The helpers every command's complaints go through: how an argument is echoed, which
// arguments count as holding a blank or a control character, and whole numbers.
class TestCliArguments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shownArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("shown");

        QTest::newRow("plain") << "2015-6-9"
                               << "'2015-6-9'";
        QTest::newRow("empty") << ""
                               << "''";
        QTest::newRow("inner space") << "2015 6"
                                     << "'2015 6'";
        QTest::newRow("newline, tab, return") << "a\nb\tc\r"
                                              << "'a\\nb\\tc\\r'";
        QTest::newRow("backslash and quote") << "a\\b'c"
                                             << "'a\\\\b\\'c'";
        QTest::newRow("escape and delete") << "\x1b[31m\x7f"
                                           << "'\\x1B[31m\\x7F'";
        QTest::newRow("no-break space") << QStringLiteral("1\u00a02") << "'1\\xA02'";
        QTest::newRow("zero-width space") << QStringLiteral("1\u200b2") << "'1\\u{200B}2'";
        QTest::newRow("ideographic space") << QStringLiteral("二\u3000月") << "'二\\u{3000}月'";
        QTest::newRow("line separator") << QStringLiteral("\u2028") << "'\\u{2028}'";
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "'\\u{D800}'";
        QTest::newRow("Chinese kept") << "请选择年"
                                      << "'请选择年'";
        QTest::newRow("40 characters kept whole") << QString(40, u'7') << u'\'' + QString(40, u'7') + u'\'';
        QTest::newRow("41 characters cut to 40")
            << QString(41, u'7') << u'\'' + QString(40, u'7') + QStringLiteral("'…");
        QTest::newRow("a character beyond the BMP counts once")
            << QString(39, u'7') + QStringLiteral("😀x") << u'\'' + QString(39, u'7') + QStringLiteral("😀'…");
        QTest::newRow("cut before escaping")
            << QString(45, u'\n') << u'\'' + QStringLiteral("\\n").repeated(40) + QStringLiteral("'…");
    }
    void shownArgument()
    {
        QFETCH(QString, argument);
        QFETCH(QString, shown);
        QCOMPARE(lumora::cli::shownArgument(argument), shown);
    }

    void holdsBlankOrControl_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("holds");

        QTest::newRow("digits") << "2015-06-09" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("Chinese") << "二〇一五" << false;
        QTest::newRow("emoji") << QStringLiteral("😀") << false;
        QTest::newRow("space") << "2015 " << true;
        QTest::newRow("newline") << "9\n" << true;
        QTest::newRow("NUL") << QString(QChar(0)) << true;
        QTest::newRow("no-break space") << QStringLiteral("\u00a0") << true;
        QTest::newRow("ideographic space") << QStringLiteral("\u3000") << true;
        QTest::newRow("zero-width space") << QStringLiteral("\u200b") << true;
        QTest::newRow("byte order mark") << QStringLiteral("\ufeff2015") << true;
        QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) << true;
    }
    void holdsBlankOrControl()
    {
        QFETCH(QString, argument);
        QFETCH(bool, holds);
        QCOMPARE(lumora::cli::holdsBlankOrControl(argument), holds);
    }

    void parseWholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: refused

        QTest::newRow("2015") << "2015" << 2015;
        QTest::newRow("leading zeros") << "0006" << 6;
        QTest::newRow("nine digits") << "999999999" << 999999999;
        QTest::newRow("ten digits") << "1000000000" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("sign") << "+6" << -1;
        QTest::newRow("minus") << "-6" << -1;
        QTest::newRow("full-width") << "６" << -1;
        QTest::newRow("space inside") << "20 15" << -1;
    }
    void parseWholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(lumora::cli::parseWholeNumber(text).value_or(-1), value);
    }
};

QTEST_GUILESS_MAIN(TestCliArguments)
#include "tst_cli_arguments.moc"
