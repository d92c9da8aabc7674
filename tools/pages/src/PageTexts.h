#pragma once

#include "PageLayout.h"

namespace Pages {

// Every page the program shows, in the order written. The key facts and teacher's notes tell
// exactly what the two built-in quizzes and the activities ask.
QList<Page> keyFactPages();
QList<Page> teacherNotePages();
QList<Page> guidePages();
Page acknowledgementsPage();

QList<Page> allPages();

} // namespace Pages
