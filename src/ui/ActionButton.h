#pragma once

#include <QPushButton>

class QAction;

// A push button that stands for a command's action: a click triggers the
// action, and the button shows the action's text and follows its enabled
// state, so that a command has one home whether a button or a menu item runs it.
class ActionButton : public QPushButton {
    Q_OBJECT
public:
    ActionButton(QAction* action, QWidget* parent = nullptr);

    QAction* action() const { return action_; }

private:
    void followAction();

    QAction* action_;
};
