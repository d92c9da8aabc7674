#pragma once

#include <QLoggingCategory>

// The program's own logging categories, all under "orvelles.", so that one rule turns them on:
// QT_LOGGING_RULES="orvelles.*=true".

// A file the program reads to show something (the catalogue, a worksheet, a picture, a page, a
// sound, a font) that could not be read or was read only in part. The screens carry on quietly
// without it, so this is off unless turned on.
Q_DECLARE_LOGGING_CATEGORY(lcContent)
// Files of the user's or school's folder left as they are at start-up. Warnings on by default.
Q_DECLARE_LOGGING_CATEGORY(lcFolder)
// A topic's folder left out at start-up, and why. Warnings on by default.
Q_DECLARE_LOGGING_CATEGORY(lcTopics)
// A handler or a window's set-up step stopped by a failure it did not expect. Warnings on by
// default.
Q_DECLARE_LOGGING_CATEGORY(lcScreens)
