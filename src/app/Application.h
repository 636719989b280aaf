#pragma once

#include <QApplication>

namespace lumora {

// The application object: an error that escapes an event handler is shown in the
// default error box and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace lumora
