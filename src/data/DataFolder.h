#pragma once
// Where the windows find the data files: the folder of the running program, or for the
// lifetime of a DataFolderScope another folder (tests of the windows on damaged files).

#include <QString>

namespace lumora {

QString dataFolder();

// Points dataFolder() at `folder` until the scope ends, restoring the previous folder.
class DataFolderScope {
public:
    explicit DataFolderScope(const QString& folder);
    ~DataFolderScope();
    DataFolderScope(const DataFolderScope&) = delete;
    DataFolderScope& operator=(const DataFolderScope&) = delete;

private:
    QString previous_;
};

} // namespace lumora
