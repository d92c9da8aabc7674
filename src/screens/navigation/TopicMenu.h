#pragma once

#include "app/Screen.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"

#include <functional>

// What makes one topic's menu different from another's.
struct TopicData {
    QString screenName;
    QString title;
    QString picture;
    double pictureTop;
    QString questionFile;
    QString smallPicture;
    QString subject;
    QString keyFactsStem;
    QString notesStem;
    // The topic's activities; each receives the topic title for its heading.
    std::function<void(const QString& title)> openLabelling;
    std::function<void(const QString& title)> openOrdering;
};

// A topic's menu: its key facts, quiz, teacher's notes, ordering and labelling activities.
class TopicMenu : public Screen {
public:
    explicit TopicMenu(TopicData data);

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(2); }

    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);

    const TopicData& data() const { return data_; }

    Label* Label1;
    ImageBox* Image1;
    ControlArray<Label> Label3;

private:
    void openQuiz();
    void openPages(const QString& stem);

    TopicData data_;
};
