#include "ui/CheckCommands.h"

#include "spectrum/ItemName.h"

#include "records/RecordItem.h"
#include "records/TabulatedCurveItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"
#include "ui/ChartControl.h"
#include "ui/CheckListBox.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/KavrelApplication.h"

#include <QCoreApplication>

namespace {

QList<QPointF> curvePoints(const QList<double>& periods, const QList<double>& values)
{
    QList<QPointF> points;
    for (qsizetype k = 0; k < periods.size() && k < values.size(); ++k)
        points.append(QPointF(periods[k], values[k]));
    return points;
}

} // namespace

CheckCommands::CheckCommands(SpectrumSet& set, ChartControl* chart, const CheckListBox* list, QWidget* window,
                             std::function<void(const QString&)> tell)
    : set_(set), chart_(chart), list_(list), owner_(window), tell_(std::move(tell)), setChanged_([this] {
          if (set_.empty())
              inputs_ = CheckWindowInputs();
          if (window_)
              offerTargets();
      })
{
    set_.addListener(&setChanged_);
}

CheckCommands::~CheckCommands()
{
    set_.removeListener(&setChanged_);
}

void CheckCommands::openCheckRecords()
{
    const bool opening = !window_;
    if (opening) {
        window_ = new CheckRecordsWindow(owner_);
        CheckRecordsWindow* window = window_;
        // A record has the same colour in the check window as on the main chart.
        if (auto* checkChart = window->findChild<ChartControl*>(QStringLiteral("chtCheck")))
            checkChart->shareColoursWith(*chart_);
        connect(window, &CheckRecordsWindow::meanCurveChanged, this,
                [this](const QString& name, const QList<double>& periods, const QList<double>& values) {
                    if (values.isEmpty()) {
                        chart_->removeTemporaryCurve(name);
                        return;
                    }
                    chart_->setTemporaryCurve(name, curvePoints(periods, values));
                });
        connect(window, &CheckRecordsWindow::keepMeanCurve, this,
                [this](const MeanCurveToKeep& curve) { guarded([&] { keepMeanCurve(curve); })(); });
        connect(window, &CheckRecordsWindow::closed, this, [this, window] {
            inputs_ = window->inputs();
            chart_->removeTemporaryCurve(CheckRecordsWindow::meanCurveName());
            // Forgotten at once: the next Check Records opens a new window.
            if (window_ == window)
                window_ = nullptr;
            window->deleteLater();
        });
    }
    offerTargets();
    if (opening)
        window_->restoreInputs(inputs_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// The code spectrum with the check list's focus first, then the others in
// the set's order; and the set's records, scaled, ticked as in the list.
void CheckCommands::offerTargets()
{
    QList<CheckTargetChoice> targets;
    QList<CheckRecordChoice> records;
    const int focused = list_->currentEntry();
    const auto offer = [this, &targets](int i) {
        if (const KavrelSpectrum* spectrum = set_.spectrumAt(i)) {
            const SpectrumOrigin& origin = set_.origin(i);
            targets << CheckTargetChoice{fromNarrow(spectrum->responseName), spectrum, intensityIndexOf(origin),
                                         actionIndexOf(origin), origin};
        }
    };
    if (focused >= 0 && focused < set_.size())
        offer(focused);
    for (int i = 0; i < set_.size(); ++i) {
        if (i != focused)
            offer(i);
        if (const auto* record = dynamic_cast<const RecordItem*>(&set_.item(i))) {
            const GroundMotionRecord scaled = record->scaledRecord();
            records << CheckRecordChoice{fromNarrow(record->name()), !record->artificial().has_value(),
                                         scaled.accelerationG, scaled.step, set_.isVisible(i),
                                         QString::fromStdString(record->record().sourceFileName),
                                         record->scaleFactor()};
        }
    }
    window_->setTargets(targets);
    window_->setRecords(records);
}

// A kept mean joins the set as a curve of its own under the first free
// numbered name, so that the window's next mean does not replace it.
void CheckCommands::keepMeanCurve(const MeanCurveToKeep& curve)
{
    std::vector<std::string> recordNames;
    for (const QString& name : curve.recordNames)
        recordNames.push_back(toNarrow(name));
    const std::string name = firstFreeNumberedName(toNarrow(curve.name), nameNumbering::keptMean, 1,
                                                   [this](const std::string& n) { return set_.contains(n); });
    set_.add(std::make_unique<TabulatedCurveItem>(name, std::vector<double>(curve.periods.begin(), curve.periods.end()),
                                                  std::vector<double>(curve.values.begin(), curve.values.end()),
                                                  curve.damping, std::move(recordNames)));
    tell_(QCoreApplication::translate("MainWindow", "Mean curve added: %1").arg(fromNarrow(name)));
}

SetCheckInputs CheckCommands::savedInputs() const
{
    const CheckWindowInputs inputs = window_ ? window_->inputs() : inputs_;
    SetCheckInputs saved;
    saved.mainPeriods = inputs.mainPeriods.trimmed();
    for (auto shear = inputs.baseShears.cbegin(); shear != inputs.baseShears.cend(); ++shear) {
        if (!shear.value().trimmed().isEmpty())
            saved.baseShears.emplace_back(shear.key(), shear.value().trimmed());
    }
    for (auto tick = inputs.ticks.cbegin(); tick != inputs.ticks.cend(); ++tick)
        saved.ticks.emplace_back(tick.key(), tick.value());
    saved.inelastic = inputs.structure.inelastic;
    const StructureTyped& typed = inputs.structure;
    const StructureReading structure = readStructureCells(typed.modes, typed.weight, typed.combination);
    if (structure.given && structure.accepted())
        saved.structure = structure.structure;
    return saved;
}

void CheckCommands::takeSavedInputs(const SetCheckInputs& saved)
{
    CheckWindowInputs inputs;
    inputs.mainPeriods = saved.mainPeriods;
    for (const auto& [record, shear] : saved.baseShears)
        inputs.baseShears.insert(record, shear);
    for (const auto& [record, ticked] : saved.ticks)
        inputs.ticks.insert(record, ticked);
    inputs.structure.inelastic = saved.inelastic;
    if (saved.structure) {
        for (const StructureMode& mode : saved.structure->modes)
            inputs.structure.modes.emplace_back(formatGeneral(mode.period), formatGeneral(mode.massRatio));
        inputs.structure.weight = formatGeneral(saved.structure->weight);
        inputs.structure.combination = saved.structure->combination;
    }
    inputs_ = inputs;
    if (window_) {
        window_->restoreInputs(inputs_);
        offerTargets();
    }
}
