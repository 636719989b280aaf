// Builds a read-only data file of the program from a schema and tab-separated sources:
//   lumora-dbbuild OUT.dll SCHEMA.sql [TABLE=SOURCE.tsv ...]
// Each source line is one row, its fields in the table's column order. The file is
// written under a temporary name and moved into place only when complete.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>

namespace {

void exec(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw std::runtime_error(QStringLiteral("%1: %2").arg(sql, query.lastError().text()).toStdString());
}

QString readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("cannot read %1").arg(path).toStdString());
    return QString::fromUtf8(file.readAll());
}

void loadTable(QSqlDatabase& db, const QString& table, const QString& sourcePath)
{
    QSqlQuery query(db);
    const int columns = db.record(table).count();
    if (columns == 0)
        throw std::runtime_error(QStringLiteral("no table %1 in the schema").arg(table).toStdString());

    QStringList marks;
    for (int i = 0; i < columns; ++i)
        marks << QStringLiteral("?");
    if (!query.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(','))))
        throw std::runtime_error(query.lastError().text().toStdString());

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(QStringLiteral("cannot read %1").arg(sourcePath).toStdString());
    QTextStream in(&source);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    for (QString line; in.readLineInto(&line);) {
        ++lineNumber;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != columns)
            throw std::runtime_error(QStringLiteral("%1:%2: %3 fields, table %4 has %5 columns")
                                         .arg(sourcePath)
                                         .arg(lineNumber)
                                         .arg(fields.size())
                                         .arg(table)
                                         .arg(columns)
                                         .toStdString());
        for (int i = 0; i < columns; ++i)
            query.bindValue(i, fields[i]);
        if (!query.exec())
            throw std::runtime_error(QStringLiteral("%1:%2: %3")
                                         .arg(sourcePath)
                                         .arg(lineNumber)
                                         .arg(query.lastError().text())
                                         .toStdString());
    }
}

void build(const QString& outPath, const QString& schemaPath, const QStringList& tableSources)
{
    const QString temporary = outPath + QStringLiteral(".part");
    QFile::remove(temporary);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("build"));
        db.setDatabaseName(temporary);
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        QSqlQuery query(db);
        exec(query, QStringLiteral("PRAGMA journal_mode = DELETE"));
        db.transaction();
        for (const QString& statement : readAll(schemaPath).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            QString sql;
            for (const QString& line : statement.split(QLatin1Char('\n')))
                if (!line.trimmed().startsWith(QLatin1String("--")))
                    sql += line + QLatin1Char('\n');
            if (!sql.trimmed().isEmpty())
                exec(query, sql);
        }
        for (const QString& tableSource : tableSources) {
            const qsizetype equals = tableSource.indexOf(QLatin1Char('='));
            if (equals <= 0)
                throw std::runtime_error(
                    QStringLiteral("expected TABLE=SOURCE, got %1").arg(tableSource).toStdString());
            loadTable(db, tableSource.left(equals), tableSource.mid(equals + 1));
        }
        if (!db.commit())
            throw std::runtime_error(db.lastError().text().toStdString());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("build"));
    QFile::remove(outPath);
    if (!QFile::rename(temporary, outPath))
        throw std::runtime_error(QStringLiteral("cannot move %1 into place").arg(outPath).toStdString());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: lumora-dbbuild OUT.dll SCHEMA.sql [TABLE=SOURCE.tsv ...]\n");
        return 1;
    }
    try {
        build(args[0], args[1], args.mid(2));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumora-dbbuild: %s\n", error.what());
        return 1;
    }
    return 0;
}
