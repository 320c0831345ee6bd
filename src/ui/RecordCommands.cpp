#include "ui/RecordCommands.h"

#include "common/CommandMessages.h"
#include "common/KavrelError.h"
#include "common/UserDialogs.h"
#include "export/SetFile.h"
#include "records/CodePeaks.h"
#include "records/RecordItem.h"
#include "records/RecordReader.h"
#include "spectrum/SpectrumSampling.h"
#include "spectrum/SpectrumSet.h"
#include "text/RecordRules.h"
#include "ui/CheckListBox.h"
#include "ui/InputPanel.h"
#include "ui/JobProgress.h"
#include "ui/KavrelApplication.h"
#include "ui/RecordPropertiesDialog.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QMimeData>
#include <QThread>
#include <QUrl>

#include <memory>
#include <new>
#include <vector>

namespace {

// What the worker made of the batch: the items in the files' order, and the
// faults of the files it could not read.
struct LoadedBatch {
    std::vector<std::unique_ptr<RecordItem>> items;
    QStringList faults;
};

} // namespace

// Reads one file and computes its spectrum at the chart's and the grid's
// periods, so that the views find them ready.
std::unique_ptr<RecordItem> RecordCommands::loadRecord(const QString& path, const RecordScaling& scaling)
{
    return makeRecordItem(readRecordFile(path), scaling);
}

std::unique_ptr<RecordItem> RecordCommands::makeRecordItem(GroundMotionRecord record, const RecordScaling& scaling)
{
    std::string name = record.name;
    auto item = std::make_unique<RecordItem>(std::move(name), std::make_shared<const GroundMotionRecord>(std::move(record)),
                                             scaling);
    item->valuesAt(curvePeriodList());
    item->valuesAt(gridPeriodList());
    return item;
}

namespace {

// Milliseconds before the progress shows: a few short files never show it.
constexpr int progressDelay = 400;

} // namespace

RecordCommands::RecordCommands(SpectrumSet& set, InputPanel* inputs, const CheckListBox* list, QWidget* window)
    : QObject(window), set_(set), inputs_(inputs), list_(list), window_(window)
{
}

QStringList RecordCommands::recordFilters()
{
    return {tr("PEER NGA records (*.AT2 *.at2)"), tr("CSMNC records (*.txt *.TXT *.dat *.DAT)"),
            tr("K-NET/KiK-net records (*.EW *.NS *.UD *.EW1 *.NS1 *.UD1 *.EW2 *.NS2 *.UD2)"),
            tr("All files (*)")};
}

QStringList RecordCommands::droppedRecordFiles(const QMimeData* data)
{
    QStringList files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && !path.endsWith(QLatin1Char('.') + QLatin1String(setFileSuffix), Qt::CaseInsensitive)
            && !QFileInfo(path).isDir())
            files << path;
    }
    return files;
}

void RecordCommands::addRecords()
{
    OpenFileRequest request;
    request.title = tr("Add Records");
    request.filters = recordFilters();
    request.filter = request.filters.first();
    request.initialDir = folder_;
    const QStringList paths = userDialogs().askOpenFileNames(request);
    if (paths.isEmpty())
        return;
    folder_ = QFileInfo(paths.first()).absolutePath();
    addRecordFiles(paths);
}

void RecordCommands::addRecordFiles(const QStringList& paths)
{
    std::vector<RecordJob> jobs;
    for (const QString& path : paths)
        jobs.push_back({QFileInfo(path).fileName(), [path, load = loader_](const RecordScaling& s) { return load(path, s); }});
    addRecordJobs(jobs);
}

void RecordCommands::addRecordJobs(const std::vector<RecordJob>& jobs)
{
    if (jobs.empty() || busy_)
        return;
    double alphaMax = 0;
    double damping = 0;
    if (!inputs_->readAlphaMaxAndDamping(alphaMax, damping))
        return;
    if (!isOscillatorDamping(damping)) {
        userDialogs().warning(dampingRangeRefusal());
        return;
    }
    RecordScaling scaling;
    scaling.damping = damping;
    scaling.targetPeakGal = defaultTargetPeak(inputs_->codeType(), inputs_->intensityIndex(),
                                              inputs_->seismicActionIndex(), alphaMax);

    busy_ = true;
    JobProgress::Look look;
    look.objectName = "recordProgress";
    look.title = tr("Add Records");
    look.label = tr("Reading records and computing their spectra...");
    look.maximum = static_cast<int>(jobs.size());
    look.showAfter = progressDelay;
    auto* progress = new JobProgress(window_, look);
    LoadedBatch batch;
    bool outOfMemory = false;
    QThread* worker = QThread::create([&, progress] {
        int done = 0;
        for (const RecordJob& job : jobs) {
            if (progress->cancelled())
                break;
            try {
                batch.items.push_back(job.load(scaling));
            } catch (const KavrelError& error) {
                // The reader's and the library's messages name the file first.
                batch.faults << error.message();
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
                break;
            } catch (const std::exception& error) {
                batch.faults << QStringLiteral("\"%1\": %2").arg(job.name, QString::fromUtf8(error.what()));
            }
            progress->report(++done);
        }
    });
    QEventLoop loop;
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    const bool cancelled = progress->cancelled();
    progress->finish();
    busy_ = false;

    if (outOfMemory) {
        userDialogs().warning(messages::outOfMemory);
        return;
    }
    if (cancelled)
        return;
    // Added one by one, as Create adds: each name is made free among those
    // already in the set, the batch's earlier records included.
    try {
        for (std::unique_ptr<RecordItem>& item : batch.items) {
            const std::string name = uniqueItemName(item->name(), SpectrumSet::NameLimit,
                                                    [this](const std::string& n) { return set_.contains(n); });
            set_.add(name == item->name() ? std::move(item) : item->renamed(name));
        }
    } catch (const std::bad_alloc&) {
        userDialogs().warning(messages::outOfMemory);
        return;
    }
    if (!batch.faults.isEmpty()) {
        const QString intro = batch.faults.size() == 1 ? tr("This file could not be added as a record:")
                                                       : tr("These files could not be added as records:");
        userDialogs().warning(intro + QStringLiteral("\n") + batch.faults.join(QLatin1Char('\n')));
    }
}

void RecordCommands::editFocusedRecord()
{
    const int entry = set_.size() == 1 ? 0 : list_->currentEntry();
    if (entry < 0 || entry >= set_.size() || !recordItemOf(set_.item(entry))) {
        userDialogs().information(tr("Click the record in the list first."));
        return;
    }
    editRecord(entry);
}

void RecordCommands::editRecord(int index)
{
    if (index < 0 || index >= set_.size())
        return;
    const RecordItem* record = recordItemOf(set_.item(index));
    if (!record)
        return;
    // Window-modal and not waited for: the set is changed when OK is taken,
    // at the item's place then, found by the item itself.
    auto* dialog = new RecordPropertiesDialog(*record, window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, guarded([this, dialog, record] {
                for (int i = 0; i < set_.size(); ++i) {
                    if (&set_.item(i) != record)
                        continue;
                    if (dialog->scaling() == record->scaling())
                        return;
                    try {
                        set_.replace(i, record->withScaling(dialog->scaling()));
                    } catch (const std::bad_alloc&) {
                        userDialogs().warning(messages::outOfMemory);
                    }
                    return;
                }
            }));
    dialog->open();
}
