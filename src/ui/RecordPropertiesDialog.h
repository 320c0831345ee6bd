#pragma once

#include "records/RecordItem.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// A record item's properties: what was read (file, layout, points, step,
// duration, peak, effective duration; for an artificial record its seed,
// envelope and match) and the two settings the user may change, the target
// peak (or "as recorded") and the damping of its spectrum. OK checks both
// and, when one is refused, says why and stays open, changing nothing.
class RecordPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    RecordPropertiesDialog(const RecordItem& record, QWidget* parent = nullptr);

    // The settings accepted with OK.
    const RecordScaling& scaling() const { return scaling_; }

    void accept() override;

private:
    QLineEdit* targetEdit_;
    QCheckBox* asRecordedCheck_;
    QLineEdit* dampingEdit_;
    RecordScaling scaling_;
};
