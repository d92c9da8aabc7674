#pragma once

#include <QString>
#include <exception>

namespace SaveMessages {

extern const QString busy;
extern const QString unsafeFirst;
extern const QString unsafeAgain;

// What the teacher is told when saving or removing a worksheet failed with `error`: a folder
// busy or unsafe to share says so, anything else gets the screen's `usual` message.
QString forFailure(const std::exception& error, const QString& usual);

} // namespace SaveMessages
