#pragma once

#include <QListWidget>

// A list with a check box in front of every entry. `userToggled` is raised
// only when the user toggles a box (mouse or space bar), never when code sets
// a check state through setChecked.
class CheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CheckListBox(QWidget* parent = nullptr);

    void addEntry(const QString& text);  // unticked
    int count() const { return QListWidget::count(); }
    QString entryText(int index) const;
    bool isChecked(int index) const;
    void setChecked(int index, bool checked);
    // The entry with the focus rectangle, selected or not; -1 when none.
    int currentEntry() const;
    void removeEntryAt(int index);

signals:
    void userToggled(int index, bool checked);

private:
    bool settingInCode_ = false;
};
