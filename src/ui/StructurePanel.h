#pragma once

#include "records/ModeTable.h"
#include "ui/Retranslator.h"

#include <QGroupBox>
#include <QString>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// What is typed in the check window's Structure part, as typed: kept while
// the window is closed and saved with the set.
struct StructureTyped {
    std::vector<std::pair<QString, QString>> modes;  // (period, mass ratio) cells
    QString weight;
    ModeCombination combination = ModeCombination::Cqc;
    bool inelastic = false;
};

// The check window's Structure part: the modes of the structure in the
// direction checked (period, mass ratio), G and the combination, from which
// the base shears are computed instead of typed; and whether the records are
// those of an inelastic analysis (the base shears' upper limits off).
class StructurePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit StructurePanel(QWidget* parent = nullptr);

    StructureTyped typed() const;
    void setTyped(const StructureTyped& typed);
    // The typed modes read, in the installed language's numbers.
    StructureReading reading() const;
    bool shearUpperLimits() const;

    // Rows of two columns from the clipboard, as an analysis program's modal
    // table is copied (a header line skipped); a refusal is said and leaves
    // the table as it was.
    void pasteModes();
    void addRow();
    void removeRow();

signals:
    void changed();
    void contributionsAsked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setModeRows(const std::vector<std::pair<QString, QString>>& rows);

    Retranslator texts_;
    QTableWidget* modes_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QComboBox* combination_ = nullptr;
    QCheckBox* inelastic_ = nullptr;
    QPushButton* contributions_ = nullptr;
};
