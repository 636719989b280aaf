#include "data/Query.h"

#include "data/DataFileCheck.h"
#include "data/Error.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

namespace lumora {
namespace {

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("lumora-query-%1").arg(counter.fetchAndAddRelaxed(1));
}

// An SQLite URI that opens the file read-only and immutable: SQLite then takes no locks
// and never creates a journal, WAL or shared-memory file beside it, so a read-only folder
// works and nothing beside the data file changes. Everything but unreserved characters,
// "/" and ":" (a Windows drive) is percent-encoded, so "?", "#", "%" and ";" stay part of
// the path.
QString immutableUri(const QString& absolutePath)
{
    QString path = QDir::fromNativeSeparators(absolutePath);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/')); // "C:/…" becomes "/C:/…", as SQLite expects
    return QStringLiteral("file://") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/:")) +
           QStringLiteral("?mode=ro&immutable=1");
}

// What a failed statement means for the user: the file is damaged, or it lacks a table or
// column the program reads (an old or foreign file under the right name).
QString failureMessage(const QString& path, const QSqlError& error)
{
    static const QRegularExpression missing(QStringLiteral("^no such (table|column): (\\S+)"));
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("11") || code == QLatin1String("26")) // SQLITE_CORRUPT, SQLITE_NOTADB
        return damagedDataFileMessage(path);
    if (const QRegularExpressionMatch match = missing.match(error.databaseText()); match.hasMatch()) {
        const QString what =
            match.captured(1) == QLatin1String("table") ? QStringLiteral("数据表") : QStringLiteral("字段");
        return QStringLiteral("数据文件中没有%1 %2：%3").arg(what, match.captured(2), path);
    }
    return QStringLiteral("无法读取数据文件：%1（%2）").arg(path, error.text());
}

} // namespace

Query::Query() = default;

Query::~Query()
{
    disconnect();
}

void Query::setConnectionString(const QString& connectionString)
{
    connectionString_ = connectionString;
}

void Query::setSql(const QString& sql)
{
    sql_ = sql;
}

QString Query::dataSourceOf(const QString& connectionString)
{
    // "key=value;…": keys without case, values trimmed unless quoted in "…" or '…', where
    // the enclosing quote doubled stands for itself.
    const QStringView text(connectionString);
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at] == QLatin1Char(';') || text[at].isSpace()) {
            ++at; // an empty entry
            continue;
        }
        const qsizetype equals = text.indexOf(QLatin1Char('='), at);
        if (equals < 0)
            return QString();
        const QStringView key = text.sliced(at, equals - at).trimmed();
        at = equals + 1;
        while (at < text.size() && text[at].isSpace())
            ++at;

        QString value;
        if (at < text.size() && (text[at] == QLatin1Char('"') || text[at] == QLatin1Char('\''))) {
            const QChar quote = text[at++];
            for (;; ++at) {
                if (at == text.size())
                    return QString(); // unterminated: no trustworthy file name
                if (text[at] == quote) {
                    if (at + 1 < text.size() && text[at + 1] == quote)
                        ++at;
                    else
                        break;
                }
                value += text[at];
            }
            ++at;
            while (at < text.size() && text[at].isSpace())
                ++at;
            if (at < text.size() && text[at] != QLatin1Char(';'))
                return QString(); // text after the closing quote
        } else {
            qsizetype end = text.indexOf(QLatin1Char(';'), at);
            if (end < 0)
                end = text.size();
            value = text.sliced(at, end - at).trimmed().toString();
            at = end;
        }
        ++at; // past the ';'
        if (key.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            return value;
    }
    return QString();
}

QString Query::quoted(const QString& value)
{
    QString text = value;
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString Query::toSqlite(const QString& accessSql)
{
    static const QRegularExpression top(QStringLiteral("\\btop\\s+(\\d+)\\s+"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dateLiteral(QStringLiteral("#(\\d+)-(\\d+)-(\\d+)#"));

    QString sql = accessSql;
    QString limit;
    if (const QRegularExpressionMatch match = top.match(sql); match.hasMatch()) {
        limit = QStringLiteral(" LIMIT ") + match.captured(1);
        sql.remove(match.capturedStart(), match.capturedLength());
    }

    // Dates are stored as ISO text, so #2015-6-9# and #2015-06-09# name the same day.
    QString translated;
    qsizetype copied = 0;
    for (auto it = dateLiteral.globalMatch(sql); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        translated += QStringView(sql).mid(copied, match.capturedStart() - copied);
        translated += QStringLiteral("'%1-%2-%3'")
                          .arg(match.captured(1).toInt(), 4, 10, QLatin1Char('0'))
                          .arg(match.captured(2).toInt(), 2, 10, QLatin1Char('0'))
                          .arg(match.captured(3).toInt(), 2, 10, QLatin1Char('0'));
        copied = match.capturedEnd();
    }
    translated += QStringView(sql).mid(copied);
    return translated + limit;
}

void Query::open()
{
    close();

    path_ = dataSourceOf(connectionString_);
    checkDataFile(path_.isEmpty() ? connectionString_ : path_);
    const QFileInfo file(path_);
    const FileStamp stamp{file.absoluteFilePath(), file.size(), file.lastModified(), file.metadataChangeTime()};
    // A new connection reads the file's schema before the first statement, which costs
    // more than most statements: the connection stays while the file is the same one.
    if (stamp != connectedFile_)
        disconnect();

    QString failure;
    {
        // The database handle must be gone before disconnect() removes the connection.
        QSqlDatabase db;
        if (connectionName_.isEmpty()) {
            connectionName_ = nextConnectionName();
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
            db.setDatabaseName(immutableUri(stamp.absolutePath));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
            if (db.open())
                connectedFile_ = stamp;
            else
                failure = QStringLiteral("无法打开数据文件：%1（%2）").arg(path_, db.lastError().text());
        } else {
            db = QSqlDatabase::database(connectionName_, false);
        }
        if (failure.isEmpty()) {
            query_.emplace(db);
            query_->setForwardOnly(true);
            if (query_->exec(toSqlite(sql_))) {
                columns_ = query_->record(); // built anew by every record() call
                hasRow_ = query_->next();
            } else {
                failure = failureMessage(path_, query_->lastError());
            }
        }
    }
    if (!failure.isEmpty()) {
        disconnect();
        throw Error(failure);
    }
}

bool Query::hasRow() const
{
    return hasRow_;
}

bool Query::next()
{
    hasRow_ = hasRow_ && query_->next();
    return hasRow_;
}

QString Query::text(const QString& column) const
{
    if (!hasRow_)
        throw Error(QStringLiteral("数据查询没有返回记录"));
    const int position = columns_.indexOf(column);
    if (position < 0)
        throw Error(QStringLiteral("数据文件中没有字段 %1：%2").arg(column, path_));
    return query_->value(position).toString().trimmed();
}

QString Query::text(int position) const
{
    if (!hasRow_)
        throw Error(QStringLiteral("数据查询没有返回记录"));
    if (position < 0 || position >= columns_.count())
        throw Error(QStringLiteral("数据文件中没有第 %1 个字段：%2").arg(position + 1).arg(path_));
    return query_->value(position).toString().trimmed();
}

void Query::close()
{
    hasRow_ = false;
    columns_.clear();
    query_.reset();
}

void Query::disconnect()
{
    close();
    if (connectionName_.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
    connectedFile_ = {};
}

} // namespace lumora
