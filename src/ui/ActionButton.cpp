#include "ui/ActionButton.h"

#include <QAction>

ActionButton::ActionButton(QAction* action, QWidget* parent) : QPushButton(parent), action_(action)
{
    // Enter in an input box must not press a command.
    setAutoDefault(false);
    connect(action, &QAction::changed, this, &ActionButton::followAction);
    connect(this, &QPushButton::clicked, action, &QAction::trigger);
    followAction();
}

void ActionButton::followAction()
{
    setText(action_->text());
    setEnabled(action_->isEnabled());
}
