#include "data/DataFileCheck.h"

#include "data/Error.h"

#include <QFile>
#include <QFileInfo>

namespace lumora {
namespace {

// The first 100 bytes of an SQLite file: its magic text, page size and page count.
constexpr qint64 kHeaderSize = 100;
constexpr QByteArrayView kMagic("SQLite format 3\0", 16);

quint32 bigEndianAt(const QByteArray& header, int offset, int bytes)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | quint8(header[offset + i]);
    return value;
}

// The size the header says the file has; 0 when the header does not say (files written
// by very old SQLite versions leave the page count unset).
qint64 sizeInHeader(const QByteArray& header)
{
    const quint32 pageSize = bigEndianAt(header, 16, 2) == 1 ? 65536 : bigEndianAt(header, 16, 2);
    const quint32 pageCount = bigEndianAt(header, 28, 4);
    const bool countIsCurrent = bigEndianAt(header, 24, 4) == bigEndianAt(header, 92, 4);
    return countIsCurrent ? qint64(pageSize) * pageCount : 0;
}

[[noreturn]] void refuse(const QString& message, const QString& path)
{
    throw Error(message.arg(path));
}

} // namespace

void checkDataFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        refuse(QStringLiteral("找不到数据文件：%1"), path);
    if (info.isDir())
        refuse(QStringLiteral("数据文件的位置上是一个文件夹：%1"), path);
    if (!info.isFile())
        refuse(QStringLiteral("数据文件不是普通文件：%1"), path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            refuse(QStringLiteral("没有读取数据文件的权限：%1"), path);
        throw Error(QStringLiteral("无法读取数据文件：%1（%2）").arg(path, file.errorString()));
    }
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() < kHeaderSize || !header.startsWith(kMagic) || file.size() < sizeInHeader(header))
        throw Error(damagedDataFileMessage(path));
}

QString damagedDataFileMessage(const QString& path)
{
    return QStringLiteral("数据文件已损坏或不是数据库：%1").arg(path);
}

} // namespace lumora
