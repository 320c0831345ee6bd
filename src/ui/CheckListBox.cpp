#include "ui/CheckListBox.h"

CheckListBox::CheckListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!settingInCode_)
            emit userToggled(row(item), item->checkState() == Qt::Checked);
    });
}

void CheckListBox::addEntry(const QString& text)
{
    auto* item = new QListWidgetItem(text);
    // A name too long for the list is still read in full.
    item->setToolTip(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setSizeHint(QSize(0, 17));
    settingInCode_ = true;
    item->setCheckState(Qt::Unchecked);
    addItem(item);
    settingInCode_ = false;
}

QString CheckListBox::entryText(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

bool CheckListBox::isChecked(int index) const
{
    const QListWidgetItem* it = item(index);
    return it && it->checkState() == Qt::Checked;
}

void CheckListBox::setChecked(int index, bool checked)
{
    QListWidgetItem* it = item(index);
    if (!it)
        return;
    settingInCode_ = true;
    it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    settingInCode_ = false;
}

int CheckListBox::currentEntry() const
{
    const int row = currentRow();
    return row >= 0 && row < count() ? row : -1;
}

void CheckListBox::removeEntryAt(int index)
{
    delete takeItem(index);
}
