#pragma once
// Files written whole or not at all: the bytes go to a temporary file in the target's
// folder, which takes the target's name only once every byte is on disk. On any failure
// the temporary file is removed, a file already at the name keeps its contents, and a
// lumora::Error says which file or folder it was and that nothing was saved.

#include <QByteArray>
#include <QString>

namespace lumora {

// Makes bytes the whole content of the file at path, replacing any file there. A name
// that is a folder, a folder that cannot be written and a disk that fills up are errors.
void writeFileWhole(const QString& path, const QByteArray& bytes);

} // namespace lumora
