#pragma once
// An almanac data file of one day, 2015-06-09, with one column holding a million
// characters on one line: what a damaged or hostile data file may hand the almanac.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

inline const QStringList kAlmanacColumns{"nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"};

// The huge value: digits without a single blank, so no line holds a word boundary.
inline QString hugeField()
{
    return QString(1'000'000, QChar(u'8'));
}

// Writes the file at `path`; `hugeColumn` holds hugeField(), every other column its name.
// Any failure ends the run: a fixture without its row would prove nothing.
inline void writeHugeDayRow(const QString& path, const QString& hugeColumn)
{
    const QString connection = QStringLiteral("huge-day-row");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        QSqlQuery q(db);
        const auto run = [&](bool done) {
            if (!done)
                qFatal("cannot build the fixture %s: %s", qPrintable(path), qPrintable(q.lastError().text()));
        };
        run(db.open());
        run(q.exec(QStringLiteral("CREATE TABLE lumora (gn TEXT, %1 TEXT)").arg(kAlmanacColumns.join(" TEXT, "))));
        run(q.prepare(QStringLiteral("INSERT INTO lumora VALUES ('2015-06-09'%1)")
                          .arg(QStringLiteral(", ?").repeated(kAlmanacColumns.size()))));
        for (const QString& column : kAlmanacColumns)
            q.addBindValue(column == hugeColumn ? hugeField() : column);
        run(q.exec());
        // The day's further facts and double-hours are read too; they are simply absent.
        run(q.exec(
            QStringLiteral("CREATE TABLE lumora_extra (gn TEXT, rgz TEXT, zhishen TEXT, huangdao TEXT, xiu TEXT, "
                           "xiuluck TEXT, xishen TEXT, fushen TEXT, caishen TEXT, yanggui TEXT, yingui TEXT)")));
        run(q.exec(QStringLiteral("CREATE TABLE shichen (rgz TEXT, idx TEXT, shiduan TEXT, ganzhi TEXT, tianshen TEXT, "
                                  "huangdao TEXT, jixiong TEXT, cong TEXT, yi TEXT, ji TEXT)")));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}
