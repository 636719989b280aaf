#pragma once
// Why a file cannot be read as a data file, found before SQLite opens it: SQLite would
// create a missing file, wait for ever on a FIFO, and notice a cut-off file only when a
// query reaches a page that is not there.

#include <QString>

namespace lumora {

// Throws lumora::Error naming the file when it is missing, a folder, not a regular file
// (a FIFO, a device), not readable, or not a whole SQLite database.
void checkDataFile(const QString& path);

// The words for a file that is damaged or not an SQLite database at all.
QString damagedDataFileMessage(const QString& path);

} // namespace lumora
