#include "ui/RecordLibraryWindow.h"

#include "common/CommandMessages.h"
#include "common/KavrelError.h"
#include "common/Language.h"
#include "common/UserDialogs.h"
#include "inputs/InputRules.h"
#include "library/LibraryError.h"
#include "library/LibraryFilter.h"
#include "library/LibraryIndex.h"
#include "library/SpectrumGrid.h"
#include "ui/ChartControl.h"
#include "ui/JobProgress.h"
#include "ui/KavrelApplication.h"
#include "ui/LibraryTableModel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <functional>
#include <new>

// What one indexing run brings back to the window. The worker writes it,
// the window reads it once the thread has finished.
struct RecordLibraryWindow::Run {
    QString indexPath;
    std::vector<LibraryLocation> locations;
    std::atomic<bool> cancel{false};
    IndexSummary summary;
    bool rebuilt = false;
    QString error;
};

namespace {

// The progress bar's steps: the run's total is known only once it has begun.
constexpr int progressSteps = 1000;
// More curves than this make the chart unreadable: the first ones are drawn.
constexpr int mostCurves = 20;

QLabel* buddyLabel(QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

RecordLibraryWindow::RecordLibraryWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("RecordLibraryWindow");
    setSizeGripEnabled(true);
    places_ = rememberedLibraryPlaces(userSettings());

    model_ = new LibraryTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(LibraryTableModel::sortRole);
    table_ = new QTableView(this);
    table_->setObjectName("libraryTable");
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { drawChart(); });

    chart_ = new ChartControl(this);
    chart_->setObjectName("chtLibrary");

    addButton_ = new QPushButton(this);
    addButton_->setObjectName("btnLibraryAdd");
    connect(addButton_, &QPushButton::clicked, this, guarded([this] { addChosenToSet(); }));
    auto* closeButton = new QPushButton(this);
    closeButton->setObjectName("btnLibraryClose");
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    status_ = new QLabel(this);
    status_->setObjectName("lblLibraryStatus");
    status_->setWordWrap(true);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(table_);
    splitter->addWidget(chart_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({620, 560});

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(status_, 1);
    buttons->addWidget(addButton_);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPlaces());
    layout->addWidget(buildFilter());
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    texts_.add([this, closeButton] {
        setWindowTitle(tr("Record Library"));
        addButton_->setText(tr("Add to Set"));
        closeButton->setText(tr("Close"));
        model_->retranslate();
    });
    showFolders();
    resize(1220, 760);
    loadCatalogue();
}

RecordLibraryWindow::~RecordLibraryWindow()
{
    // A run still going is stopped and waited for: it writes into run_ and
    // reports to the progress window.
    if (worker_) {
        run_->cancel = true;
        worker_->wait();
        delete worker_;
    }
}

QWidget* RecordLibraryWindow::buildPlaces()
{
    auto* group = new QGroupBox(this);
    group->setObjectName("grpLibraryPlaces");
    folders_ = new QListWidget(group);
    folders_->setObjectName("lstLibraryFolders");
    folders_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    folders_->setMaximumHeight(90);
    auto* add = new QPushButton(group);
    add->setObjectName("btnLibraryAddFolder");
    connect(add, &QPushButton::clicked, this, guarded([this] { chooseFolder(); }));
    auto* remove = new QPushButton(group);
    remove->setObjectName("btnLibraryRemoveFolder");
    connect(remove, &QPushButton::clicked, this, guarded([this] { removeChosenFolders(); }));
    indexFile_ = new QLineEdit(group);
    indexFile_->setObjectName("edtLibraryIndex");
    connect(indexFile_, &QLineEdit::editingFinished, this, guarded([this] {
                if (QDir::fromNativeSeparators(indexFile_->text().trimmed()) != places_.indexPath)
                    setIndexPath(indexFile_->text());
            }));
    indexButton_ = new QPushButton(group);
    indexButton_->setObjectName("btnLibraryIndex");
    connect(indexButton_, &QPushButton::clicked, this, guarded([this] { indexNow(); }));
    summaryView_ = new QPlainTextEdit(group);
    summaryView_->setObjectName("txtLibrarySummary");
    summaryView_->setReadOnly(true);
    summaryView_->setMaximumHeight(90);

    QLabel* foldersLabel = buddyLabel(folders_, group);
    QLabel* indexLabel = buddyLabel(indexFile_, group);
    QLabel* summaryLabel = buddyLabel(summaryView_, group);
    auto* folderButtons = new QVBoxLayout();
    folderButtons->addWidget(add);
    folderButtons->addWidget(remove);
    folderButtons->addStretch();
    auto* grid = new QGridLayout(group);
    grid->addWidget(foldersLabel, 0, 0, Qt::AlignTop);
    grid->addWidget(folders_, 0, 1);
    grid->addLayout(folderButtons, 0, 2);
    grid->addWidget(summaryLabel, 0, 3, Qt::AlignTop);
    grid->addWidget(summaryView_, 0, 4);
    grid->addWidget(indexLabel, 1, 0);
    grid->addWidget(indexFile_, 1, 1);
    grid->addWidget(indexButton_, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    texts_.add([=] {
        group->setTitle(tr("Library"));
        foldersLabel->setText(tr("&Folders:"));
        add->setText(tr("Add Folder..."));
        remove->setText(tr("Remove"));
        indexLabel->setText(tr("Index &file:"));
        indexButton_->setText(tr("Index Now"));
        summaryLabel->setText(tr("&Last run:"));
    });
    return group;
}

QWidget* RecordLibraryWindow::buildFilter()
{
    auto* group = new QGroupBox(this);
    group->setObjectName("grpLibraryFilter");
    text_ = new QLineEdit(group);
    text_->setObjectName("edtLibraryText");
    connect(text_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    const char* const names[] = {"edtMagnitudeMin", "edtMagnitudeMax", "edtRjbMin",
                                 "edtRjbMax",       "edtVs30Min",      "edtVs30Max"};
    for (int i = 0; i < 6; ++i) {
        limits_[i] = new QLineEdit(group);
        limits_[i]->setObjectName(names[i]);
        limits_[i]->setMaximumWidth(70);
        connect(limits_[i], &QLineEdit::textChanged, this, [this] { applyFilter(); });
    }
    includeUnknown_ = new QCheckBox(group);
    includeUnknown_->setObjectName("chkLibraryUnknown");
    connect(includeUnknown_, &QCheckBox::toggled, this, [this] { applyFilter(); });

    auto* row = new QHBoxLayout(group);
    QLabel* textLabel = buddyLabel(text_, group);
    row->addWidget(textLabel);
    row->addWidget(text_, 1);
    QLabel* figureLabels[3];
    QLabel* toLabels[3];
    for (int f = 0; f < 3; ++f) {
        figureLabels[f] = buddyLabel(limits_[2 * f], group);
        toLabels[f] = buddyLabel(limits_[2 * f + 1], group);
        row->addSpacing(8);
        row->addWidget(figureLabels[f]);
        row->addWidget(limits_[2 * f]);
        row->addWidget(toLabels[f]);
        row->addWidget(limits_[2 * f + 1]);
    }
    row->addSpacing(8);
    row->addWidget(includeUnknown_);
    texts_.add([=] {
        group->setTitle(tr("Filter"));
        textLabel->setText(tr("&Text:"));
        text_->setToolTip(tr("Words found in the file, recording, event or station"));
        const QString figures[] = {tr("&Magnitude"), tr("&Rjb (km)"), tr("&Vs30 (m/s)")};
        // The table's headers of the three figures.
        const QStringList titles = LibraryTableModel::columnTitles();
        const QString plain[] = {titles.at(LibraryTableModel::magnitudeColumn), titles.at(LibraryTableModel::rjbColumn),
                                 titles.at(LibraryTableModel::vs30Column)};
        for (int f = 0; f < 3; ++f) {
            figureLabels[f]->setText(figures[f]);
            toLabels[f]->setText(tr("to"));
            limits_[2 * f]->setAccessibleName(tr("%1, at least").arg(plain[f]));
            limits_[2 * f + 1]->setAccessibleName(tr("%1, at most").arg(plain[f]));
            limits_[2 * f]->setPlaceholderText(tr("any"));
            limits_[2 * f + 1]->setPlaceholderText(tr("any"));
        }
        includeUnknown_->setText(tr("&Include unknown"));
        includeUnknown_->setToolTip(tr("Components whose figure is not known pass its limits"));
    });
    return group;
}

void RecordLibraryWindow::keepPlaces()
{
    QSettings settings = userSettings();
    rememberLibraryPlaces(settings, places_);
}

void RecordLibraryWindow::showFolders()
{
    folders_->clear();
    for (const QString& folder : places_.folders)
        folders_->addItem(QDir::toNativeSeparators(folder));
    indexFile_->setText(QDir::toNativeSeparators(places_.indexPath));
}

void RecordLibraryWindow::chooseFolder()
{
    OpenFileRequest request;
    request.title = tr("Add Folder");
    request.initialDir = folderDialogPlace_;
    const std::optional<QString> folder = userDialogs().askFolder(request);
    if (!folder || folder->isEmpty())
        return;
    folderDialogPlace_ = *folder;
    addFolder(*folder);
}

void RecordLibraryWindow::addFolder(const QString& path)
{
    // Refused here, with the library's own message, rather than at the run.
    try {
        libraryLocation(path);
    } catch (const LibraryError& error) {
        userDialogs().warning(error.message());
        return;
    }
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (places_.folders.contains(folder))
        return;
    places_.folders << folder;
    keepPlaces();
    showFolders();
    loadCatalogue();
}

void RecordLibraryWindow::removeChosenFolders()
{
    QList<int> rows;
    for (const QListWidgetItem* item : folders_->selectedItems())
        rows << folders_->row(item);
    if (rows.isEmpty()) {
        userDialogs().information(tr("Click the folder in the list first."));
        return;
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        places_.folders.removeAt(row);
    keepPlaces();
    showFolders();
    loadCatalogue();
}

void RecordLibraryWindow::setIndexPath(const QString& path)
{
    const QString cleaned = QDir::fromNativeSeparators(path.trimmed());
    if (isIndexing()) {
        indexFile_->setText(QDir::toNativeSeparators(places_.indexPath));
        return;
    }
    places_.indexPath = cleaned.isEmpty() ? defaultIndexPath() : QFileInfo(cleaned).absoluteFilePath();
    keepPlaces();
    showFolders();
    index_.reset();
    loadCatalogue();
}

void RecordLibraryWindow::indexNow()
{
    if (isIndexing())
        return;
    if (places_.folders.isEmpty()) {
        userDialogs().information(tr("Add the folders of the library first."));
        return;
    }
    auto run = std::make_shared<Run>();
    run->indexPath = places_.indexPath;
    for (const QString& folder : places_.folders) {
        try {
            run->locations.push_back(libraryLocation(folder));
        } catch (const LibraryError& error) {
            userDialogs().warning(error.message());
            return;
        }
    }
    // The window's own connection is closed while the run writes.
    index_.reset();
    run_ = run;
    JobProgress::Look look;
    look.objectName = "libraryProgress";
    look.title = tr("Index Now");
    look.label = tr("Reading the library's records and computing their spectra...");
    look.maximum = progressSteps;
    progress_ = new JobProgress(this, look);
    connect(progress_, &JobProgress::cancelRequested, this, [run] { run->cancel = true; });
    indexButton_->setEnabled(false);
    JobProgress* reporter = progress_;
    worker_ = QThread::create([run, reporter] {
        try {
            const IndexWriteLock lock(run->indexPath);
            LibraryIndex index(run->indexPath);
            run->rebuilt = index.wasRebuilt();
            IndexOptions options;
            options.cancel = &run->cancel;
            options.progress = [reporter](const IndexProgress& p) {
                reporter->report(p.total > 0 ? static_cast<int>(static_cast<long long>(p.done) * progressSteps / p.total)
                                             : 0);
            };
            run->summary = updateLibraryIndex(index, run->locations, options);
        } catch (const KavrelError& error) {
            run->error = error.message();
        } catch (const std::bad_alloc&) {
            run->error = QCoreApplication::translate("messages", messages::outOfMemory);
        } catch (const std::exception& error) {
            run->error = QString::fromLocal8Bit(error.what());
        }
    });
    connect(worker_, &QThread::finished, this, [this] { guarded([this] { finishRun(); })(); });
    worker_->start();
}

void RecordLibraryWindow::finishRun()
{
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    if (progress_)
        progress_->finish();
    indexButton_->setEnabled(true);
    const std::shared_ptr<Run> run = std::move(run_);
    QStringList lines;
    if (run->rebuilt)
        lines << tr("The index \"%1\" was of an older layout; it was built again.")
                     .arg(QDir::toNativeSeparators(run->indexPath));
    if (!run->error.isEmpty()) {
        lines << tr("The library could not be indexed: %1").arg(run->error);
    } else {
        const IndexSummary& s = run->summary;
        // A sentence of its own in the window.
        lines << tr("%1.").arg(indexSummaryText(s));
        lines << tr("%1 components in %2 recordings.").arg(s.components).arg(s.recordings);
        if (s.cancelled)
            lines << tr("Cancelled: what was read is kept; Index Now goes on from there.");
        for (const auto& refused : s.refused)
            lines << tr("Refused: %1").arg(refused.second);
    }
    summary_ = lines.join(QLatin1Char('\n'));
    summaryView_->setPlainText(summary_);
    loadCatalogue();
    emit indexingFinished();
}

QString RecordLibraryWindow::summary() const
{
    return summary_;
}

void RecordLibraryWindow::loadCatalogue()
{
    if (isIndexing())
        return;
    std::vector<LibraryLocation> locations;
    for (const QString& folder : places_.folders) {
        try {
            locations.push_back(libraryLocation(folder));
        } catch (const LibraryError&) {
            // A folder gone since: nothing of it is listed until it is back.
        }
    }
    // Never made by looking: an index comes from Index Now.
    if (!index_ && QFileInfo::exists(places_.indexPath)) {
        try {
            index_ = std::make_unique<LibraryIndex>(places_.indexPath);
        } catch (const LibraryError& error) {
            tell(error.message());
        }
    }
    Catalogue catalogue;
    if (index_)
        catalogue = readCatalogue(*index_, locations);
    model_->setComponents(std::move(catalogue.components));
    applyFilter();
    table_->resizeColumnsToContents();
}

void RecordLibraryWindow::applyFilter()
{
    LibraryFilter filter;
    filter.text = text_->text();
    FigureRange* ranges[] = {&filter.magnitude, &filter.rjbKm, &filter.vs30};
    for (int i = 0; i < 6; ++i) {
        const InputRead<std::optional<double>> read = readRangeLimit(limits_[i]->text());
        if (!read.accepted()) {
            tell(read.refusal);
            return;
        }
        (i % 2 == 0 ? ranges[i / 2]->minimum : ranges[i / 2]->maximum) = read.value;
    }
    filter.includeUnknown = includeUnknown_->isChecked();
    model_->setFilter(filter);
    tell(tr("%1 of %2 components shown.").arg(model_->rowCount()).arg(model_->componentCount()));
    drawChart();
}

std::vector<CatalogueComponent> RecordLibraryWindow::chosenComponents() const
{
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<CatalogueComponent> chosen;
    for (const QModelIndex& row : rows)
        chosen.push_back(model_->component(sorted_->mapToSource(row).row()));
    return chosen;
}

void RecordLibraryWindow::setTarget(const QString& name, const QList<QPointF>& points)
{
    targetName_ = name;
    targetPoints_ = points;
    drawChart();
}

void RecordLibraryWindow::drawChart()
{
    chart_->removeAllCurves();
    if (!targetName_.isEmpty())
        chart_->addCurve(targetName_, targetPoints_);
    if (!index_)
        return;
    const std::vector<double>& periods = libraryPeriods();
    int drawn = 0;
    for (const CatalogueComponent& c : chosenComponents()) {
        if (drawn++ == mostCurves)
            break;
        try {
            const std::vector<double> values = componentSpectrum(*index_, c, libraryDamping);
            QList<QPointF> points;
            for (std::size_t i = 0; i < periods.size() && i < values.size(); ++i)
                points.append(QPointF(periods[i], values[i]));
            // The legend's room is narrow: the recording and component ("RSN6 H1").
            chart_->addCurve(c.recording + QLatin1Char(' ') + c.component, points, Qt::DashLine, CurveKind::Record);
        } catch (const KavrelError& error) {
            tell(error.message());
        }
    }
}

void RecordLibraryWindow::addChosenToSet()
{
    std::vector<CatalogueComponent> chosen = chosenComponents();
    if (chosen.empty()) {
        userDialogs().information(tr("Click the components in the table first."));
        return;
    }
    emit addToSetRequested(chosen);
}

void RecordLibraryWindow::tell(const QString& text)
{
    status_->setText(text);
}

void RecordLibraryWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.apply();
        applyFilter();
    }
    QDialog::changeEvent(event);
}
