#include "Pictures.h"

#include "formats/FileAccess.h"
#include "formats/Topic.h"

#include <stdexcept>

namespace pictures {

std::vector<NameBox> topicBoxes(const QString& topic, bool labelling) {
    const QString path =
        QStringLiteral(CONTENT_SOURCE_DIR "/topics/") + topic + QStringLiteral("/topic.json");
    const Topic t =
        TopicDescription::parse(FileAccess::read(path, FileAccess::Kind::Description), topic);
    const TopicBoard& board = labelling ? t.labelling : t.ordering;
    std::vector<NameBox> boxes;
    for (int i = 0; i < board.labels.size(); ++i) {
        const TopicLabel& label = board.labels[i];
        boxes.push_back({i, label.box.x(), label.box.y(), label.text});
    }
    return boxes;
}

const std::vector<NameBox>& familyBoxes() {
    static const std::vector<NameBox> boxes = topicBoxes(QStringLiteral("orvelles"), true);
    return boxes;
}

const std::vector<NameBox>& treeBoxes() {
    static const std::vector<NameBox> boxes = topicBoxes(QStringLiteral("orvelles"), false);
    return boxes;
}

const std::vector<NameBox>& richPoorBoxes() {
    static const std::vector<NameBox> boxes = topicBoxes(QStringLiteral("rich"), true);
    return boxes;
}

} // namespace pictures
