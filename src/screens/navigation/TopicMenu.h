#pragma once

#include "app/Screen.h"
#include "formats/Topic.h"
#include "platform/controls/ControlArray.h"
#include "platform/controls/ImageBox.h"
#include "platform/controls/Label.h"

// A topic's menu: its key facts, quiz, teacher's notes, ordering and labelling activities, all
// as the topic's description says. Each topic has its own, named by the topic's folder.
class TopicMenu : public Screen {
public:
    explicit TopicMenu(Topic topic);

    // Opens the menu of `topic`, made when it has none.
    static TopicMenu& open(const Topic& topic);

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

    const Topic& topic() const { return topic_; }

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
    void openBoard(const TopicBoard& board);

    Topic topic_;
};
