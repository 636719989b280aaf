#include "app/Application.h"

#include "forms/FormFonts.h"
#include "platform/Platform.h"

#include <exception>

namespace lumora {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumora"));
    setApplicationDisplayName(QStringLiteral("Lumora"));
    setDesktopFileName(QStringLiteral(LUMORA_APP_ID));
    installFormFaceSubstitutes();
    setFont(defaultFormFont());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        platform().showError(QString::fromStdString(error.what()));
    } catch (...) {
        platform().showError(QStringLiteral("发生未知错误"));
    }
    return false;
}

} // namespace lumora
