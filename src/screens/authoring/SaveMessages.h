#pragma once

#include <QString>

namespace SaveMessages {

extern const QString busy;
extern const QString unsafeFirst;
extern const QString unsafeAgain;

// What the teacher is told when saving or removing a worksheet failed; called inside the catch
// block of that failure. A folder busy or unsafe to share says so, anything else gets the
// screen's `usual` message.
QString forFailure(const QString& usual);

} // namespace SaveMessages
