#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace lumora {
namespace {

Platform*& installedPlatform()
{
    static Platform* installed = nullptr;
    return installed;
}

} // namespace

Platform& platform()
{
    static QtPlatform real;
    Platform* installed = installedPlatform();
    return installed ? *installed : real;
}

PlatformScope::PlatformScope(Platform& installed) : previous_(installedPlatform())
{
    installedPlatform() = &installed;
}

PlatformScope::~PlatformScope()
{
    installedPlatform() = previous_;
}

QString errorBoxText(const QString& message)
{
    static const QString fullStops = QStringLiteral(".。!！?？");
    const QString trimmed = message.trimmed();
    if (!trimmed.isEmpty() && fullStops.contains(trimmed.back()))
        return trimmed;
    return trimmed + QLatin1Char('.');
}

} // namespace lumora
