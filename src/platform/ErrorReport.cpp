#include "platform/ErrorReport.h"

#include "platform/Platform.h"

#include <QString>

#include <exception>

namespace lumora {

void runReportingErrors(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        platform().showError(QString::fromStdString(error.what()));
    }
}

} // namespace lumora
