#pragma once

#include <functional>

// Every handler runs inside this guard: whatever a handler without its own recovery throws
// stops that handler only, never the program.
namespace Dispatch {

void run(const char* handlerName, const std::function<void()>& handler) noexcept;

// How many handler failures the guard has caught in this run (tests read it).
int caughtFailures();

} // namespace Dispatch
