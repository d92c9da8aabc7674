#include "app/Dispatch.h"

#include <QtGlobal>
#include <exception>

namespace {
int failures = 0;
}

namespace Dispatch {

void run(const char* handlerName, const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        ++failures;
        qWarning("%s stopped: %s", handlerName, error.what());
    } catch (...) {
        ++failures;
        qWarning("%s stopped", handlerName);
    }
}

int caughtFailures() {
    return failures;
}

} // namespace Dispatch
