#include "forms/SafeFileWriting.h"

#include "data/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace lumora {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void writeFileWhole(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        throw Error(QStringLiteral("无法保存：%1 是一个文件夹，文件未保存").arg(shown(path)));

    QSaveFile file(path);
    // Unbuffered, so each write below reports what really reached the disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Error(QStringLiteral("无法在文件夹 %1 中写入文件（%2），%3 未保存")
                        .arg(shown(target.absolutePath()), file.errorString(), target.fileName()));

    // A full disk first shows as a short write that raises no error; the next write
    // fails with the system's reason, so keep writing until all is written or one fails.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            throw Error(QStringLiteral("写入文件 %1 时出错（%2），文件未保存").arg(shown(path), reason));
        }
        written += step;
    }
    if (!file.commit())
        throw Error(QStringLiteral("写入文件 %1 时出错（%2），文件未保存").arg(shown(path), file.errorString()));
}

} // namespace lumora
