#pragma once
// A data file whose only table is `shuxianglove`, holding the rows a pairing test needs.

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

// Each row: shengxiao1, shengxiao2, title, content1 … content4, stored as given. A fixture
// that silently lacked a row would make a test pass or fail for the wrong reason, so any
// failure ends the test run.
inline void writePairingFixture(const QString& path, const QList<QStringList>& rows)
{
    const QString connection = QStringLiteral("pairing-fixture");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot build the fixture %s", qPrintable(path));
        QSqlQuery q(db);
        const auto run = [&](bool done) {
            if (!done)
                qFatal("cannot build the fixture %s: %s", qPrintable(path), qPrintable(q.lastError().text()));
        };
        run(q.exec(QStringLiteral("CREATE TABLE shuxianglove (shengxiao1 TEXT, shengxiao2 TEXT, title TEXT, "
                                  "content1 TEXT, content2 TEXT, content3 TEXT, content4 TEXT)")));
        for (const QStringList& row : rows) {
            run(q.prepare(QStringLiteral("INSERT INTO shuxianglove VALUES (?, ?, ?, ?, ?, ?, ?)")));
            for (const QString& value : row)
                q.addBindValue(value);
            run(q.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}
