#pragma once
// Read-only access to the data files: a connection text and an SQL text in the Access
// dialect the program's queries are written in, the rows of the result one after the
// other, columns read as trimmed text. Only this class knows the files are SQLite.

#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>

#include <optional>

namespace lumora {

class Query {
public:
    Query();
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void setConnectionString(const QString& connectionString);
    void setSql(const QString& sql);

    // Opens the data file read-only and immutable (nothing is created or changed beside
    // it) and runs the SQL text. Throws lumora::Error with a message naming the file that
    // says what is wrong: missing, not a regular file, not readable, damaged, a table or
    // column missing, or another failure of the SQL.
    void open();
    // True when the last open() returned a row.
    bool hasRow() const;
    // Moves to the next row of the result: true when there is one, else the query holds
    // no current row any more.
    bool next();
    // The current row's column, trimmed. Throws lumora::Error for an unknown column.
    QString text(const QString& column) const;
    QString text(int position) const;
    // Ends the result; the connection to the file stays for the next open().
    void close();
    // Ends the result and the connection too.
    void disconnect();

    // The file named by "Data Source=" in a connection text, its value unquoted where it
    // is quoted as OLE DB quotes values; empty when there is none or its quotes are broken.
    static QString dataSourceOf(const QString& connectionString);
    // A value for an SQL text, in single quotes with every quote inside it doubled: the
    // program writes its values into its SQL texts rather than binding them.
    static QString quoted(const QString& value);
    // "top N" becomes "LIMIT N" and #y-m-d# becomes 'YYYY-MM-DD'.
    static QString toSqlite(const QString& accessSql);

private:
    QString connectionString_;
    QString sql_;
    QString path_; // of the data file, for messages
    struct FileStamp {
        QString absolutePath;
        qint64 size = -1;
        QDateTime modified;
        QDateTime changed; // also by a rename over it
        bool operator==(const FileStamp&) const = default;
    };
    QString connectionName_;
    FileStamp connectedFile_; // the file the connection reads, as it was when connected
    std::optional<QSqlQuery> query_;
    QSqlRecord columns_; // of the open result
    bool hasRow_ = false;
};

} // namespace lumora
