#include "data/DataFolder.h"

#include <QCoreApplication>

namespace lumora {
namespace {

QString& overriddenFolder()
{
    static QString folder; // empty: the program's folder
    return folder;
}

} // namespace

QString dataFolder()
{
    const QString& overridden = overriddenFolder();
    return overridden.isEmpty() ? QCoreApplication::applicationDirPath() : overridden;
}

DataFolderScope::DataFolderScope(const QString& folder) : previous_(overriddenFolder())
{
    overriddenFolder() = folder;
}

DataFolderScope::~DataFolderScope()
{
    overriddenFolder() = previous_;
}

} // namespace lumora
