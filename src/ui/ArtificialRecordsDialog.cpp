#include "ui/ArtificialRecordsDialog.h"

#include "common/KavrelError.h"
#include "common/SaveDialog.h"
#include "common/UserDialogs.h"
#include "export/ArtificialRecordFiles.h"
#include "export/CheckSheet.h"
#include "export/SpectrumFileName.h"
#include "records/ArtificialInputs.h"
#include "records/CodePeaks.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/NarrowText.h"
#include "ui/JobProgress.h"
#include "ui/KavrelApplication.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>

namespace {

constexpr double steps[] = {0.005, 0.01, 0.02};
constexpr int defaultStep = 1;

QString percent(double ratio)
{
    return QLocale().toString(ratio * 100, 'f', 1);
}

} // namespace

ArtificialRecordsDialog::ArtificialRecordsDialog(std::vector<Target> targets, int preselected,
                                                 std::function<bool(const std::string&)> nameTaken,
                                                 SaveDialog& saveDialog, QWidget* parent)
    : QDialog(parent), targets_(std::move(targets)), nameTaken_(std::move(nameTaken)), saveDialog_(saveDialog)
{
    setObjectName("ArtificialRecordsDialog");
    setWindowTitle(tr("Artificial Records"));
    buildInputs();
    buildButtons();
    if (preselected >= 0 && preselected < targetBox_->count())
        targetBox_->setCurrentIndex(preselected);
    followTarget();
    connect(&watcher_, &QFutureWatcher<Outcome>::finished, this, [this] { finishGeneration(); });
}

ArtificialRecordsDialog::~ArtificialRecordsDialog()
{
    cancelled_ = true;
    watcher_.waitForFinished();
}

QProgressDialog* ArtificialRecordsDialog::progressDialog() const
{
    return progress_ ? progress_->dialog() : nullptr;
}

void ArtificialRecordsDialog::buildInputs()
{
    auto* form = new QFormLayout;
    const auto addRow = [this, form](QWidget* input, const char* name, const QString& label) {
        input->setObjectName(name);
        auto* caption = new QLabel(label, this);
        caption->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
        caption->setBuddy(input);
        form->addRow(caption, input);
    };
    targetBox_ = new QComboBox(this);
    for (const Target& target : targets_)
        targetBox_->addItem(target.name);
    addRow(targetBox_, "artificialTarget", tr("&Target spectrum:"));
    countBox_ = new QSpinBox(this);
    countBox_->setRange(1, maxArtificialRecords);
    addRow(countBox_, "artificialCount", tr("&Number of records:"));
    durationEdit_ = new QLineEdit(QLocale().toString(20), this);
    addRow(durationEdit_, "artificialDuration", tr("&Duration (s):"));
    stepBox_ = new QComboBox(this);
    for (const double step : steps)
        stepBox_->addItem(QLocale().toString(step), step);
    stepBox_->setCurrentIndex(defaultStep);
    addRow(stepBox_, "artificialStep", tr("Time &step (s):"));
    seedEdit_ = new QLineEdit(QStringLiteral("1"), this);
    addRow(seedEdit_, "artificialFirstSeed", tr("First s&eed:"));
    peakEdit_ = new QLineEdit(this);
    addRow(peakEdit_, "artificialPeak", tr("&Peak acceleration (cm/s²):"));

    resultsList_ = new QTreeWidget(this);
    resultsList_->setObjectName("artificialResults");
    resultsList_->setRootIsDecorated(false);
    resultsList_->setHeaderLabels({tr("Name"), tr("Seed"), tr("Peak (cm/s²)"), tr("Largest deviation (%)"),
                                   tr("At period (s)"), tr("Mean deviation (%)"), effectiveDurationHeading()});
    resultsList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Room for every column's heading: none is cut when the records come.
    int headings = 2 * resultsList_->frameWidth();
    for (int c = 0; c < resultsList_->columnCount(); ++c)
        headings += resultsList_->header()->sectionSizeHint(c);
    resultsList_->setMinimumWidth(headings);
    auto* resultsLabel = new QLabel(tr("&Generated records:"), this);
    resultsLabel->setObjectName("artificialResultsLabel");
    resultsLabel->setBuddy(resultsList_);
    resultNote_ = new QLabel(this);
    resultNote_->setObjectName("artificialResultNote");
    resultNote_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(resultsLabel);
    layout->addWidget(resultsList_, 1);
    layout->addWidget(resultNote_);

    connect(targetBox_, &QComboBox::currentIndexChanged, this, [this] {
        followTarget();
        discardResult();
    });
    connect(peakEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // An emptied box follows the target again.
        peakTyped_ = !text.trimmed().isEmpty();
        discardResult();
    });
    connect(countBox_, &QSpinBox::valueChanged, this, [this] { discardResult(); });
    connect(stepBox_, &QComboBox::currentIndexChanged, this, [this] { discardResult(); });
    for (QLineEdit* edit : {durationEdit_, seedEdit_})
        connect(edit, &QLineEdit::textEdited, this, [this] { discardResult(); });
}

void ArtificialRecordsDialog::buildButtons()
{
    const auto addButton = [this](const char* name, const QString& text, std::function<void()> run) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, guarded(std::move(run)));
        return button;
    };
    generateButton_ = addButton("artificialGenerate", tr("&Generate"), [this] { generate(); });
    saveButton_ = addButton("artificialSave", tr("Sa&ve..."), [this] { saveRecords(); });
    saveButton_->setEnabled(false);
    QPushButton* ok = addButton("artificialOk", tr("OK"), [this] { accept(); });
    ok->setDefault(true);
    QPushButton* cancel = addButton("artificialCancel", tr("Cancel"), [this] { reject(); });
    auto* row = new QHBoxLayout;
    row->addWidget(generateButton_);
    row->addWidget(saveButton_);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

const KavrelSpectrum& ArtificialRecordsDialog::target() const
{
    return *targets_.at(static_cast<std::size_t>(targetBox_->currentIndex())).spectrum;
}

void ArtificialRecordsDialog::followTarget()
{
    if (peakTyped_ || targetBox_->currentIndex() < 0)
        return;
    const Target& chosen = targets_.at(static_cast<std::size_t>(targetBox_->currentIndex()));
    peakEdit_->setText(QLocale().toString(proposedArtificialPeak(target(), chosen.intensityIndex, chosen.actionIndex)));
}

void ArtificialRecordsDialog::discardResult()
{
    result_.reset();
    resultsList_->clear();
    resultNote_->clear();
    saveButton_->setEnabled(false);
}

void ArtificialRecordsDialog::generate()
{
    if (isGenerating())
        return;
    if (targetBox_->currentIndex() < 0) {
        userDialogs().information(tr("Create a spectrum to match first."));
        return;
    }
    ArtificialTexts texts;
    texts.count = countBox_->value();
    texts.duration = durationEdit_->text();
    texts.step = stepBox_->currentData().toDouble();
    texts.firstSeed = seedEdit_->text();
    texts.peak = peakEdit_->text();
    const InputRead<ArtificialBatchRequest> read = readArtificialTexts(texts);
    if (!read.accepted()) {
        userDialogs().warning(read.refusal);
        acceptWhenDone_ = false;
        return;
    }
    const KavrelSpectrum& spectrum = target();
    // What the generator refuses of the inputs it refuses before its first
    // pass: asked here, so that a refused request never starts the batch.
    try {
        generateArtificialRecord(spectrum, read.value.record, [](int, int) { return false; });
    } catch (const KavrelError& refusal) {
        userDialogs().warning(refusal.message());
        acceptWhenDone_ = false;
        return;
    }

    discardResult();
    const std::vector<std::string> names = artificialRecordNames(spectrum.responseName, read.value.count, nameTaken_);
    const int passes = artificialMaxPasses;
    JobProgress::Look look;
    look.objectName = "artificialProgress";
    look.title = windowTitle();
    look.label = tr("Generating the artificial records...");
    look.maximum = read.value.count * passes;
    auto* progress = new JobProgress(this, look);
    progress_ = progress;
    cancelled_ = false;
    connect(progress, &JobProgress::cancelRequested, this, [this] { cancelled_ = true; });

    const ArtificialBatchProgress report = [this, progress, passes, count = read.value.count](
                                               int record, std::uint64_t seed, int pass, int) {
        if (cancelled_)
            return false;
        progress->report(record * passes + pass, tr("Record %1 of %2 (seed %3)...").arg(record + 1).arg(count).arg(seed));
        return true;
    };
    running_ = true;
    watcher_.setFuture(QtConcurrent::run(
        [&spectrum, request = read.value, names, report, generator = generator_]() -> Outcome {
            Outcome outcome;
            try {
                outcome.records = generateArtificialRecords(spectrum, request, names, report, generator);
            } catch (const KavrelError& refusal) {
                outcome.refusal = refusal.message();
            } catch (const std::exception& error) {
                outcome.refusal = QString::fromLocal8Bit(error.what());
            }
            return outcome;
        }));
}

void ArtificialRecordsDialog::finishGeneration()
{
    const Outcome outcome = watcher_.result();
    running_ = false;
    const bool acceptNow = acceptWhenDone_;
    acceptWhenDone_ = false;
    if (progress_)
        progress_->finish();
    if (!outcome.refusal.isEmpty()) {
        userDialogs().warning(outcome.refusal);
    } else if (outcome.records && !cancelled_) {
        result_ = outcome.records;
        showResult();
        if (acceptNow)
            QDialog::accept();
    }
    emit generationFinished();
}

void ArtificialRecordsDialog::showResult()
{
    const QLocale locale;
    for (const NamedArtificialRecord& named : result_->records) {
        const ArtificialRecord& r = named.record;
        auto* row = new QTreeWidgetItem(resultsList_);
        row->setText(0, fromNarrow(named.name));
        row->setText(1, QString::number(r.seed));
        row->setText(2, locale.toString(r.peak * standardGravityCm, 'f', 1));
        row->setText(3, percent(r.match.largestDeviation));
        row->setText(4, locale.toString(r.match.largestDeviationPeriod, 'f', 2));
        row->setText(5, percent(r.match.meanDeviation));
        row->setText(6, locale.toString(r.effectiveDuration, 'f', 2));
    }
    QStringList notes;
    for (const SkippedSeed& skipped : result_->skippedSeeds)
        notes << tr("Seed %1 gave no match and was passed over: %2").arg(skipped.seed).arg(skipped.reason);
    resultNote_->setText(notes.join(QLatin1Char('\n')));
    saveButton_->setEnabled(true);
}

void ArtificialRecordsDialog::saveRecords()
{
    if (!result_ || result_->records.empty())
        return;
    const std::vector<NamedArtificialRecord>& records = result_->records;
    const bool several = records.size() > 1;
    saveDialog_.title = several ? tr("Save Artificial Records (one file each, named after the record)")
                                : tr("Save Artificial Record");
    // In the language installed now, the type chosen last kept by its place.
    saveDialog_.offerFilters(timeHistoryFormatFilters());
    saveDialog_.defaultSuffix = filterSuffix(saveDialog_.filter);
    saveDialog_.fileName = spectrumFileBase(records.front().name);
    // Several files: asked below about all of them at once.
    saveDialog_.confirmOverwrite = !several;
    if (!saveDialog_.ask())
        return;
    const AnalysisFormat format = analysisFormatAtFilter(saveDialog_.chosenFilterIndex());
    const std::vector<FileContent> files = artificialRecordFiles(records, saveDialog_.fileName, format);
    QStringList names;
    QStringList existing;
    for (const FileContent& file : files) {
        names << QFileInfo(file.first).fileName();
        if (QFileInfo::exists(file.first))
            existing << QFileInfo(file.first).fileName();
    }
    if (several && !existing.isEmpty()
        && !userDialogs().question(tr("These files exist already:\n%1\nReplace them?").arg(existing.join(QLatin1Char('\n')))))
        return;
    writeFilesTogether(files);
    resultNote_->setText(tr("Saved in %1: %2").arg(QFileInfo(saveDialog_.fileName).absolutePath(), names.join(QStringLiteral(", "))));
}

void ArtificialRecordsDialog::accept()
{
    if (isGenerating())
        return;
    if (result_) {
        QDialog::accept();
        return;
    }
    acceptWhenDone_ = true;
    generate();
}

void ArtificialRecordsDialog::reject()
{
    cancelled_ = true;
    watcher_.waitForFinished();
    QDialog::reject();
}
