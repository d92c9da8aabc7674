#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcContent, "orvelles.content", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcFolder, "orvelles.folder", QtWarningMsg)
Q_LOGGING_CATEGORY(lcScreens, "orvelles.screens", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTopics, "orvelles.topics", QtWarningMsg)
