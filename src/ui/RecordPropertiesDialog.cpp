#include "ui/RecordPropertiesDialog.h"

#include "common/UserDialogs.h"
#include "inputs/InputRules.h"
#include "records/CodePeaks.h"
#include "records/RecordMeasures.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// A read-only figure: selectable, so that it can be copied.
QLabel* figure(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The title bar's text with room for the window manager's buttons.
int titleWidth(const QString& title)
{
    const QFont font = QApplication::font("QMdiSubWindowTitleBar");
    return QFontMetrics(font).horizontalAdvance(title) + 160;
}

QString percent(double share)
{
    return formatGeneral(std::round(share * 1000) / 10) + QStringLiteral(" %");
}

} // namespace

RecordPropertiesDialog::RecordPropertiesDialog(const RecordItem& item, QWidget* parent)
    : QDialog(parent), scaling_(item.scaling())
{
    setObjectName("RecordProperties");
    setWindowTitle(tr("Record Properties - %1").arg(fromNarrow(item.name())));
    const GroundMotionRecord& record = item.record();
    const double peakG = item.recordedPeakG();

    auto* form = new QFormLayout();
    const auto addFigure = [&](const QString& label, const QString& text, const char* name) {
        QLabel* value = figure(text, name, this);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(value);
        form->addRow(caption, value);
    };
    // A generated record has no file until it is saved.
    if (item.artificial() && record.sourceFileName.empty()) {
        addFigure(tr("File:"), tr("none: generated with Edit > Artificial Records..."), "recordFile");
    } else {
        addFigure(tr("File:"), QString::fromStdString(record.sourceFileName), "recordFile");
        addFigure(tr("Layout:"), QCoreApplication::translate("RecordLayout", recordLayoutTitle(record.layout)),
                  "recordLayout");
    }
    addFigure(tr("Points:"), QLocale().toString(static_cast<qulonglong>(record.count())), "recordPoints");
    addFigure(tr("Step:"), tr("%1 s").arg(formatGeneral(record.step)), "recordStep");
    addFigure(tr("Duration:"), tr("%1 s").arg(formatGeneral(record.duration())), "recordDuration");
    addFigure(tr("Peak as recorded:"),
              tr("%1 cm/s² (%2 g)").arg(formatFixed(peakG * standardGravityCm, 1), formatFixed(peakG, 4)),
              "recordPeak");
    addFigure(tr("Effective duration:"),
              tr("%1 s").arg(formatGeneral(effectiveDuration(record.accelerationG, record.step))),
              "recordEffectiveDuration");
    if (const std::optional<ArtificialFigures>& artificial = item.artificial()) {
        addFigure(tr("Artificial, seed:"), QString::number(artificial->seed), "recordSeed");
        addFigure(tr("Envelope t1, t2, c:"),
                  tr("%1 s, %2 s, %3 1/s")
                      .arg(formatFixed(artificial->envelope.riseEnd, 2), formatFixed(artificial->envelope.strongEnd, 2),
                           formatFixed(artificial->envelope.decay, 3)),
                  "recordEnvelope");
        addFigure(tr("Largest deviation:"),
                  tr("%1 at %2 s").arg(percent(artificial->match.largestDeviation),
                                       formatFixed(artificial->match.largestDeviationPeriod, 2)),
                  "recordLargestDeviation");
        addFigure(tr("Mean deviation:"), percent(artificial->match.meanDeviation), "recordMeanDeviation");
    }

    targetEdit_ = new QLineEdit(formatGeneral(item.usedPeakGal()), this);
    targetEdit_->setObjectName("recordTargetPeak");
    asRecordedCheck_ = new QCheckBox(tr("&As recorded"), this);
    asRecordedCheck_->setObjectName("recordAsRecorded");
    asRecordedCheck_->setChecked(!item.scaling().targetPeakGal);
    targetEdit_->setEnabled(!asRecordedCheck_->isChecked());
    connect(asRecordedCheck_, &QCheckBox::toggled, targetEdit_, [this](bool on) { targetEdit_->setEnabled(!on); });
    auto* targetLabel = new QLabel(tr("&Target peak (cm/s²):"), this);
    targetLabel->setBuddy(targetEdit_);
    form->addRow(targetLabel, targetEdit_);
    form->addRow(QString(), asRecordedCheck_);

    dampingEdit_ = new QLineEdit(formatGeneral(item.scaling().damping), this);
    dampingEdit_->setObjectName("recordDamping");
    auto* dampingLabel = new QLabel(tr("&Damping ratio:"), this);
    dampingLabel->setBuddy(dampingEdit_);
    form->addRow(dampingLabel, dampingEdit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("recordButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &RecordPropertiesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RecordPropertiesDialog::reject);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(form);
    whole->addWidget(buttons);
    // Wide enough that the title bar shows the whole title with its buttons.
    setMinimumWidth(std::max(sizeHint().width(), titleWidth(windowTitle())));
}

void RecordPropertiesDialog::accept()
{
    const InputRead<std::optional<double>> target = readTargetPeak(targetEdit_->text(), asRecordedCheck_->isChecked());
    if (!target.accepted()) {
        userDialogs().warning(target.refusal);
        targetEdit_->setFocus();
        targetEdit_->selectAll();
        return;
    }
    const InputRead<double> damping = readRecordDamping(dampingEdit_->text());
    if (!damping.accepted()) {
        userDialogs().warning(damping.refusal);
        dampingEdit_->setFocus();
        dampingEdit_->selectAll();
        return;
    }
    scaling_ = RecordScaling{target.value, damping.value};
    QDialog::accept();
}
