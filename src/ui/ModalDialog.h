#pragma once

#include <QPointer>
#include <memory>

class QWidget;

// Shows a new `Dialog` modally over `owner` and destroys it when it closes,
// also when showing it throws. `shown` refers to it only while it is open.
template <class Dialog>
void showModal(QWidget* owner, QPointer<Dialog>& shown)
{
    const std::unique_ptr<Dialog> dialog = std::make_unique<Dialog>(owner);
    shown = dialog.get();
    dialog->exec();
}
