#pragma once

#include <QString>

#include <stdexcept>

namespace lumora {

// A failure with a message meant for the user; what escapes a window's handler is shown
// in the application's default error box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace lumora
