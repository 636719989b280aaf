#pragma once
// A small tmpfs mounted over a fresh temporary folder for one test: a real file system
// that fills up or turns read-only. Mounting needs root; isMounted() says whether the
// system allowed it, and a test without it skips.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

class TmpfsMount {
public:
    explicit TmpfsMount(const QByteArray& size, unsigned long flags = 0)
        : mounted_(dir_.isValid() && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", flags,
                                             ("size=" + size).constData()) == 0)
    {
    }
    ~TmpfsMount()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool isMounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // From now on nothing can be created or changed in it.
    bool remountReadOnly()
    {
        return mounted_ && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                                   nullptr) == 0;
    }

private:
    QTemporaryDir dir_;
    bool mounted_;
};
