#include "Pictures.h"

#include "TextFit.h"

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

QStringList checkBoardCaptions() {
    const auto loaded = TopicDescription::loadAll(QStringLiteral(CONTENT_SOURCE_DIR "/") +
                                                  TopicDescription::folder);
    QStringList problems = loaded.problems;
    for (const Topic& topic : loaded.topics)
        for (const TopicBoard* board : {&topic.labelling, &topic.ordering})
            for (const QString& problem :
                 fit::checkCaptions(board->captions(), board->labelSize.width() / twipsPerPixel))
                problems << board->screenName + ": " + problem;
    return problems;
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

const std::vector<NameBox>& shipBoxes() {
    static const std::vector<NameBox> boxes = topicBoxes(QStringLiteral("ships"), true);
    return boxes;
}

} // namespace pictures
