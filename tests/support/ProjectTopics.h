#pragma once

#include "formats/Topic.h"

class DragBoard;
class TopicMenu;

// The project's own topics, read from its content folder, and their screens opened straight
// away, as a topic menu would open them.
namespace ProjectTopics {

// The topic of content/topics/<id>; a test fails loudly (throws) when it cannot be read.
Topic topic(const QString& id);
// The board of a screen name such as "richord".
TopicBoard board(const QString& screenName);

TopicMenu& openMenu(const QString& id);
DragBoard& openBoard(const QString& screenName);

// The live screens of those names, or null.
TopicMenu* menu(const QString& id);
DragBoard* liveBoard(const QString& screenName);

} // namespace ProjectTopics
