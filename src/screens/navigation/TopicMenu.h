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

    // The entries of Label3.
    struct Entry {
        static constexpr int Quiz = 0, Labelling = 1, Exit = 2, Ordering = 3, KeyFacts = 4,
                             Notes = 5;
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs& args) override;
    void closeRequested() override { Label3_Click(Entry::Exit); }

    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, const MouseArgs& args);

    const TopicData& data() const { return data_; }

    // The topic's title.
    Label* Label1;
    // The topic's picture, centred.
    ImageBox* Image1;
    // "Multiple Choice", "Labelling Activity", "Exit", "Ordering Activity", "Key Facts",
    // "Teacher's Notes"; see Entry.
    ControlArray<Label> Label3;

protected:
    // A right-click on the quiz's entry offers its answer key.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void openQuiz();
    void openPages(const QString& stem);

    TopicData data_;
};
