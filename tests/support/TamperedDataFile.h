#pragma once
// A data file spoilt in each way a user's disk can spoil it, put in place of a good one,
// with the words its error message must hold; and a fingerprint of a folder, to show that
// reading it changed and created nothing.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

enum class Tampering {
    Missing,
    Empty,
    Truncated,
    RandomBytes,
    NotADatabase,
    TableMissing,
    ColumnMissing,
    Folder,
    Fifo,
    Unreadable,
};

struct TamperingCase {
    const char* name;
    Tampering tampering;
    QString message; // what the error says, before the file's name
};

inline const QList<TamperingCase>& tamperingCases()
{
    static const QList<TamperingCase> cases{
        {"missing", Tampering::Missing, QStringLiteral("找不到数据文件")},
        {"0 bytes", Tampering::Empty, QStringLiteral("数据文件已损坏或不是数据库")},
        {"truncated", Tampering::Truncated, QStringLiteral("数据文件已损坏或不是数据库")},
        {"random bytes", Tampering::RandomBytes, QStringLiteral("数据文件已损坏或不是数据库")},
        {"not a database", Tampering::NotADatabase, QStringLiteral("数据文件已损坏或不是数据库")},
        {"table missing", Tampering::TableMissing, QStringLiteral("数据文件中没有数据表")},
        {"column missing", Tampering::ColumnMissing, QStringLiteral("数据文件中没有字段")},
        {"a folder", Tampering::Folder, QStringLiteral("数据文件的位置上是一个文件夹")},
        {"a FIFO", Tampering::Fifo, QStringLiteral("数据文件不是普通文件")},
        {"unreadable", Tampering::Unreadable, QStringLiteral("没有读取数据文件的权限")},
    };
    return cases;
}

// Root reads every file whatever its mode, so an unreadable file cannot be made.
inline bool tamperingNeedsOtherUser(Tampering tampering)
{
    return tampering == Tampering::Unreadable && ::geteuid() == 0;
}

// Puts at `path` the good data file `good` spoilt as asked. TableMissing renames `table`,
// ColumnMissing renames its `column`, so a reader that names them finds neither. Any step
// that fails ends the test run: a fixture that is not what it says proves nothing.
inline void placeTampered(const QString& path, Tampering tampering, const QString& good, const QString& table,
                          const QString& column)
{
    const auto must = [&](bool done, const char* step) {
        if (!done)
            qFatal("cannot %s at %s", step, qPrintable(path));
    };
    const auto writeBytes = [&](const QByteArray& bytes) {
        QFile file(path);
        must(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "write the bytes");
    };
    const auto alterCopy = [&](const QString& sql) {
        must(QFile::copy(good, path), "copy the good file");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tampering"));
            db.setDatabaseName(path);
            must(db.open() && QSqlQuery(db).exec(sql), "alter the copy");
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tampering"));
    };
    QFile goodFile(good);
    switch (tampering) {
    case Tampering::Missing:
        break;
    case Tampering::Empty:
        writeBytes({});
        break;
    case Tampering::Truncated:
        must(goodFile.open(QIODevice::ReadOnly), "read the good file");
        writeBytes(goodFile.read(goodFile.size() / 2));
        break;
    case Tampering::RandomBytes: {
        QRandomGenerator random(13);
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        writeBytes(bytes);
        break;
    }
    case Tampering::NotADatabase:
        writeBytes("年,月,日\n2015,06,09\n");
        break;
    case Tampering::TableMissing:
        alterCopy(QStringLiteral("ALTER TABLE %1 RENAME TO %1_old").arg(table));
        break;
    case Tampering::ColumnMissing:
        alterCopy(QStringLiteral("ALTER TABLE %1 RENAME COLUMN %2 TO %2_old").arg(table, column));
        break;
    case Tampering::Folder:
        must(QDir().mkpath(path), "make a folder");
        break;
    case Tampering::Fifo:
        must(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0, "make a FIFO");
        break;
    case Tampering::Unreadable:
        must(QFile::copy(good, path) && QFile::setPermissions(path, {}), "make an unreadable copy");
        break;
    }
}

// Every entry of a folder with its kind, size and, for regular files, a hash of the
// bytes. Never opens anything else, so a FIFO among them is harmless.
inline QStringList fingerprintOf(const QString& folder)
{
    QStringList lines;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        QString line = entry.fileName() + (entry.isDir() ? QStringLiteral("/") : QString());
        if (entry.isFile() && entry.isReadable()) {
            QFile file(entry.filePath());
            QCryptographicHash hash(QCryptographicHash::Sha256);
            if (file.open(QIODevice::ReadOnly))
                hash.addData(&file);
            line += QLatin1Char(' ') + QString::number(entry.size()) + QLatin1Char(' ') +
                    QString::fromLatin1(hash.result().toHex());
        }
        lines << line;
    }
    return lines;
}
