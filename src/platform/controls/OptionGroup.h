#pragma once

#include "platform/controls/ControlWidget.h"

// The option buttons of one question, held together so that a screen reader hears them as a
// group named by what it asks. The group itself can hold the focus: the pupil is then at the
// answers with none of them chosen, and no key chooses one from there; Tab goes to the first.
class OptionGroup : public ControlWidget {
    Q_OBJECT
public:
    explicit OptionGroup(QWidget* parent);

protected:
    bool focusNextPrevChild(bool next) override;
};
