#pragma once

#include "platform/controls/ControlWidget.h"

// The option buttons of one question, held together so that a screen reader hears them as a
// group named by what it asks. The group itself can hold the focus: the pupil is then at the
// answers with none of them chosen. The arrows choose the first or the last answer, as they
// choose the next or the previous one from an answer; Tab goes to the first answer.
class OptionGroup : public ControlWidget {
    Q_OBJECT
public:
    explicit OptionGroup(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};
