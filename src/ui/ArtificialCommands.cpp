#include "ui/ArtificialCommands.h"

#include "common/CommandMessages.h"
#include "common/UserDialogs.h"
#include "records/ArtificialBatch.h"
#include "records/CodePeaks.h"
#include "records/RecordItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "text/NarrowText.h"
#include "ui/ArtificialRecordsDialog.h"
#include "ui/CheckListBox.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// A generated record as an item of the set: at its target's damping, scaled
// to the peak the dialog gave it.
std::unique_ptr<RecordItem> artificialItem(const NamedArtificialRecord& made, const KavrelSpectrum* target)
{
    RecordScaling scaling;
    scaling.targetPeakGal = made.record.peak * standardGravityCm;
    scaling.damping = target ? target->dampingRatio : 0.05;
    ArtificialFigures figures{made.record.seed, made.record.envelope, made.record.match};
    return std::make_unique<RecordItem>(made.name, std::make_shared<const GroundMotionRecord>(toGroundMotionRecord(made)),
                                        scaling, figures);
}

} // namespace

ArtificialCommands::ArtificialCommands(SpectrumSet& set, const CheckListBox* list, QWidget* window,
                                       std::function<QString()> saveFolder, std::function<void(const QString&)> tell)
    : set_(set), list_(list), window_(window), saveFolder_(std::move(saveFolder)), tell_(std::move(tell))
{
}

void ArtificialCommands::generateArtificialRecords()
{
    // Records are matched to code spectra only: a record's own spectrum is no target.
    std::vector<ArtificialRecordsDialog::Target> targets;
    const int current = set_.size() == 1 ? 0 : list_->currentEntry();
    int focused = -1;
    for (int i = 0; i < set_.size(); ++i) {
        if (const KavrelSpectrum* spectrum = set_.spectrumAt(i)) {
            if (i == current)
                focused = static_cast<int>(targets.size());
            const SpectrumOrigin& origin = set_.origin(i);
            targets.push_back({fromNarrow(spectrum->responseName), spectrum, intensityIndexOf(origin),
                               actionIndexOf(origin), origin});
        }
    }
    if (targets.empty()) {
        userDialogs().information(messages::shown(messages::noSpectrum));
        return;
    }
    if (targets.size() == 1)
        focused = 0;
    const auto taken = [this](const std::string& name) { return set_.contains(name); };
    if (saveDialog_.folder.isEmpty())
        saveDialog_.folder = saveFolder_();
    ArtificialRecordsDialog dialog(std::move(targets), focused, taken, saveDialog_, window_);
    if (dialog.exec() == QDialog::Accepted && dialog.generated())
        addArtificialRecords(*dialog.generated());
}

void ArtificialCommands::addArtificialRecords(const GeneratedRecords& generated)
{
    QStringList names;
    for (const NamedArtificialRecord& made : generated.records) {
        const int target = set_.indexOf(made.targetName);
        std::unique_ptr<RecordItem> item = artificialItem(made, target >= 0 ? set_.spectrumAt(target) : nullptr);
        // A name taken since the dialog proposed it gets the next free one.
        const std::string name = uniqueItemName(made.name, SpectrumSet::NameLimit,
                                                [this](const std::string& n) { return set_.contains(n); });
        set_.add(name == made.name ? std::move(item) : item->renamed(name));
        names << fromNarrow(name);
    }
    tell_(QCoreApplication::translate("MainWindow", "Artificial records added: %1").arg(names.join(QStringLiteral(", "))));
}
