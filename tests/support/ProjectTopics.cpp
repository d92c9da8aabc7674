#include "support/ProjectTopics.h"

#include "app/Screens.h"
#include "formats/FileAccess.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/navigation/TopicMenu.h"

namespace ProjectTopics {

Topic topic(const QString& id) {
    const QString path =
        QStringLiteral(ORVELLES_SOURCE_DIR "/content/topics/") + id + QStringLiteral("/topic.json");
    return TopicDescription::parse(FileAccess::read(path, FileAccess::Kind::Description), id);
}

TopicBoard board(const QString& screenName) {
    const bool labelling = screenName.endsWith(QLatin1String("lab"));
    const Topic t = topic(screenName.chopped(3));
    return labelling ? t.labelling : t.ordering;
}

TopicMenu& openMenu(const QString& id) {
    return TopicMenu::open(topic(id));
}

DragBoard& openBoard(const QString& screenName) {
    const Topic t = topic(screenName.chopped(3));
    const TopicBoard& b = screenName.endsWith(QLatin1String("lab")) ? t.labelling : t.ordering;
    DragBoard& live =
        Screens::touch<DragBoard>(screenName, [&] { return new DragBoard(b, t.title); });
    Screens::open(live);
    return live;
}

TopicMenu* menu(const QString& id) {
    return Screens::find<TopicMenu>(id);
}

DragBoard* liveBoard(const QString& screenName) {
    return Screens::find<DragBoard>(screenName);
}

} // namespace ProjectTopics
