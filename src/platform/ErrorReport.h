#pragma once

#include <functional>

namespace lumora {

// Runs a window's handler; an error it raises goes to the application's default error
// box and the program goes on, the window keeping what it showed.
void runReportingErrors(const std::function<void()>& handler);

} // namespace lumora
