#include "app/Dispatch.h"

#include "platform/Logging.h"

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
        qCWarning(lcScreens, "%s stopped: %s", handlerName, error.what());
    } catch (...) {
        ++failures;
        qCWarning(lcScreens, "%s stopped", handlerName);
    }
}

int caughtFailures() {
    return failures;
}

} // namespace Dispatch
