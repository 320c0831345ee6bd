#include "ui/MainWindow.h"

#include "common/CommandMessages.h"
#include "common/UserDialogs.h"
#include "common/WebSite.h"
#include "excel/workbook/WorkbookHandOver.h"
#include "inputs/InputRules.h"
#include "records/CodePeaks.h"
#include "records/RecordItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/StartupDefaults.h"
#include "records/TabulatedCurveItem.h"
#include "text/NarrowText.h"
#include "ui/AboutDialog.h"
#include "ui/ArtificialRecordsDialog.h"
#include "ui/ChartControl.h"
#include "ui/CheckListBox.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/DonationDialog.h"
#include "ui/FileCommands.h"
#include "ui/GraphPanel.h"
#include "ui/InputPanel.h"
#include "ui/KavrelApplication.h"
#include "ui/LanguageSwitch.h"
#include "ui/LinkLabel.h"
#include "ui/RecordCommands.h"
#include "ui/ModalDialog.h"
#include "ui/ReportCommands.h"
#include "ui/SetDocument.h"
#include "ui/SetViews.h"
#include "ui/StringGrid.h"

#include <QCloseEvent>
#include <QEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidgetItem>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QValueAxis>
#include <QVBoxLayout>

#include <functional>
#include <new>

namespace {

// How long "Saved ..." stays in the status bar: long enough to be read after
// a question about the workbook has been answered.
constexpr int savedMessageTime = 60000;  // ms

// A command as both a button and a menu item offer it.
struct Command {
    const char* buttonName;  // nullptr: menu item only
    const char* actionName;  // nullptr: button only
    const char* text;        // the source text, shown through tr()
    std::function<void()> run;
    QKeySequence shortcut = {};
};

QList<QPointF> curvePoints(const QList<double>& periods, const QList<double>& values)
{
    QList<QPointF> points;
    for (qsizetype k = 0; k < periods.size() && k < values.size(); ++k)
        points.append(QPointF(periods[k], values[k]));
    return points;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    texts_.add([this] { setWindowTitle(tr("Kavrel Response Spectrum (20210912)")); });
    const QString folder = initialSaveFolder(QCoreApplication::applicationDirPath(),
                                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    document_ = new SetDocument(spectra_, folder, this);
    buildLayout();
    records_ = new RecordCommands(spectra_, inputPanel_, checkList_, this);
    buildMenu();
    buildStatusBar();
    setTabOrder();
    // 952 x 554 below the menu bar, status bar included.
    resize(952, 554 + menuBar()->sizeHint().height());

    files_ = std::make_unique<FileCommands>(spectra_, chart_, checkList_, folder);
    excelOptions_.setDefaults();
    chart_->setLeftAxisIncrement(startup::leftAxisIncrement);
    followSet();
    setAcceptDrops(true);
}

// Every spectrum is released once, in order, while the views still exist;
// a chart still out in the graph panel goes with the panel, a child of ours.
MainWindow::~MainWindow()
{
    spectra_.clear();
    for (SpectrumSet::Listener* view : std::initializer_list<SpectrumSet::Listener*>{
             chartView_.get(), checkListView_.get(), gridView_.get(), checkTargetsView_.get()})
        spectra_.removeListener(view);
}

void MainWindow::followSet()
{
    chartView_ = std::make_unique<ChartFollowsSet>(spectra_, chart_);
    checkListView_ = std::make_unique<CheckListFollowsSet>(spectra_, checkList_);
    gridView_ = std::make_unique<GridFollowsSet>(spectra_, grid_);
    gridView_->writeHeader();
    texts_.add([this] { gridView_->writeNameHeading(); });
    spectra_.addListener(chartView_.get());
    spectra_.addListener(checkListView_.get());
    spectra_.addListener(gridView_.get());
    // An open record check offers the set's spectra as they are now.
    checkTargetsView_ = std::make_unique<SetChangeNotifier>([this] {
        // The check's inputs belong to the set: an emptied set forgets them.
        if (spectra_.empty())
            checkInputs_ = CheckWindowInputs();
        if (checkWindow_)
            offerCheckTargets();
    });
    spectra_.addListener(checkTargetsView_.get());
    // A tick in the list is the spectrum's check mark; the chart follows it.
    connect(checkList_, &CheckListBox::userToggled, this, [this](int index, bool checked) {
        guarded([this, index, checked] { spectra_.setVisible(index, checked); })();
    });
    connect(chart_, &ChartControl::doubleClicked, this, guarded([this] { toggleGraphPanel(); }));
    // A record's entry opens its properties; a code spectrum's has none to show.
    connect(checkList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* entry) {
        guarded([this, entry] { records_->editRecord(checkList_->row(entry)); })();
    });
}

QWidget* MainWindow::buildCommandPanel()
{
    auto* commands = new QGroupBox(this);
    commands->setObjectName("grp3");
    const Command buttons[] = {
        {"Button1", nullptr, QT_TR_NOOP("Create"), [this] { createSpectrum(); }},
        {"Button4", nullptr, QT_TR_NOOP("Delete"), [this] { deleteSpectrum(); }},
        {"Button5", nullptr, QT_TR_NOOP("Delete All"), [this] { deleteAllSpectra(); }},
        {"Button2", nullptr, QT_TR_NOOP("Save Data"), [this] { files_->saveData(); }},
        {"Button3", nullptr, QT_TR_NOOP("Save Picture"), [this] { files_->savePicture(); }},
    };
    auto* column = new QVBoxLayout();
    for (const Command& command : buttons) {
        auto* button = new QPushButton(this);
        button->setObjectName(command.buttonName);
        texts_.add([button, text = command.text] { button->setText(tr(text)); });
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, guarded(command.run));
        column->addWidget(button);
        commandButtons_ << button;
    }
    column->addStretch();
    checkList_ = new CheckListBox(this);
    checkList_->setObjectName("lst1");
    auto* layout = new QHBoxLayout(commands);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(column);
    layout->addWidget(checkList_, 1);
    return commands;
}

void MainWindow::buildLayout()
{
    auto* central = new QWidget(this);
    central->setObjectName("central");
    setCentralWidget(central);

    auto* inputGroup = new QGroupBox(this);
    inputGroup->setObjectName("grp1");
    texts_.add([inputGroup] { inputGroup->setTitle(tr("Define Response")); });
    inputGroup->setFixedWidth(275);
    inputPanel_ = new InputPanel(inputGroup);
    auto* inputLayout = new QVBoxLayout(inputGroup);
    inputLayout->addWidget(inputPanel_);
    inputLayout->addWidget(buildCommandPanel(), 1);

    auto* exportButton = new QPushButton(QString::fromUtf8("输出曲线到 EXCEL"), this);
    exportButton->setObjectName("btn1");
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, guarded([this] { exportToExcel(); }));

    chartGroup_ = new QGroupBox(this);
    chartGroup_->setObjectName("grp2");
    texts_.add([this] { chartGroup_->setTitle(tr("Graph Response")); });
    chart_ = new ChartControl(chartGroup_);
    chart_->setObjectName("cht1");
    // Whether it is home or out in the graph panel.
    texts_.add([this] { chart_->setHint(GraphPanel::chartHint(chart_->tag() != 0)); });
    auto* chartLayout = new QVBoxLayout(chartGroup_);
    chartLayout->setContentsMargins(2, 2, 2, 2);
    chartLayout->addWidget(chart_);

    auto* dataGroup = new QGroupBox(this);
    dataGroup->setObjectName("grp4");
    texts_.add([dataGroup] { dataGroup->setTitle(tr("Response Data")); });
    grid_ = new StringGrid(dataGroup);
    grid_->setObjectName("strngrd1");
    auto* dataLayout = new QVBoxLayout(dataGroup);
    dataLayout->setContentsMargins(2, 2, 2, 2);
    dataLayout->addWidget(grid_);
    dataGroup->setFixedHeight(130);

    auto* left = new QVBoxLayout();
    left->addWidget(inputGroup, 1);
    left->addWidget(exportButton);
    auto* right = new QVBoxLayout();
    right->addWidget(chartGroup_, 1);
    right->addWidget(dataGroup);
    auto* whole = new QHBoxLayout(central);
    whole->setContentsMargins(4, 4, 4, 4);
    whole->addLayout(left);
    whole->addLayout(right, 1);
}

void MainWindow::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("mm1");
    const auto addItems = [this](QMenu* menu, std::initializer_list<Command> items) {
        for (const Command& item : items) {
            QAction* action = menu->addAction(QString());
            action->setObjectName(item.actionName);
            texts_.add([action, text = item.text] { action->setText(tr(text)); });
            action->setShortcut(item.shortcut);
            connect(action, &QAction::triggered, this, guarded(item.run));
        }
    };
    const auto addMenu = [this](QMenu* parent, const char* name, const char* title) {
        QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        menu->setObjectName(name);
        texts_.add([menu, title] { menu->setTitle(tr(title)); });
        return menu;
    };
    QMenu* file = addMenu(nullptr, "File1", QT_TR_NOOP("File"));
    addItems(file, {
                       {nullptr, "OpenSet1", QT_TR_NOOP("Open Set..."), [this] { document_->openSet(); }, QKeySequence(Qt::CTRL | Qt::Key_O)},
                       {nullptr, "SaveSet1", QT_TR_NOOP("Save Set..."), [this] { document_->saveSet(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
                   });
    addItems(file, {{nullptr, "AddRecords1", QT_TR_NOOP("Add Records..."), [this] { records_->addRecords(); },
                     QKeySequence(Qt::CTRL | Qt::Key_R)}});
    QMenu* recentMenu = addMenu(file, "RecentSets1", QT_TR_NOOP("Recent Sets"));
    // Filled when opened, so that every window shows what was used last.
    document_->attachRecentMenu(recentMenu);
    file->addSeparator();
    addItems(file, {{nullptr, "Exit1", QT_TR_NOOP("Exit"), [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    QMenu* edit = addMenu(nullptr, "Edit1", QT_TR_NOOP("Edit"));
    addItems(edit, {
                       {nullptr, "Create1", QT_TR_NOOP("Create"), [this] { createSpectrum(); }},
                       {nullptr, "Delete1", QT_TR_NOOP("Delete"), [this] { deleteSpectrum(); }},
                       {nullptr, "DeleteAll1", QT_TR_NOOP("Delete All"), [this] { deleteAllSpectra(); }},
                       {nullptr, "SaveData1", QT_TR_NOOP("Save Data"), [this] { files_->saveData(); }},
                       {nullptr, "SavePicture1", QT_TR_NOOP("Save Picture"), [this] { files_->savePicture(); }},
                       {nullptr, "SaveForAnalysis1", QT_TR_NOOP("Save for Analysis..."), [this] { files_->saveForAnalysis(); }},
                   });
    addItems(edit, {{nullptr, "ArtificialRecords1", QT_TR_NOOP("Artificial Records..."), [this] { generateArtificialRecords(); }}});
    // For reports: after the long-standing items, which keep their places.
    edit->addSeparator();
    addItems(edit, {
                       {nullptr, "CopyChart1", QT_TR_NOOP("Copy Chart"), [this] { copyChartToClipboard(chart_); },
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                       {nullptr, "CopyData1", QT_TR_NOOP("Copy Data"), [this] { copyGridToClipboard(spectra_, grid_); }, QKeySequence::Copy},
                   });
    edit->addSeparator();
    addItems(edit, {
                       {nullptr, "Print1", QT_TR_NOOP("Print..."), [this] { printSpectraReport(chart_, spectra_); }, QKeySequence::Print},
                       {nullptr, "PrintPreview1", QT_TR_NOOP("Print Preview..."), [this] { previewSpectraReport(chart_, spectra_); }},
                   });
    edit->addSeparator();
    addItems(edit, {{nullptr, "RecordProperties1", QT_TR_NOOP("Record Properties..."), [this] { records_->editFocusedRecord(); }}});
    edit->addSeparator();
    addItems(edit, {{nullptr, "CheckRecords1", QT_TR_NOOP("Check Records..."), [this] { openCheckRecords(); }}});
    for (const char* name : {"CopyChart1", "Print1", "PrintPreview1"})
        chartActions_ << edit->findChild<QAction*>(name);
    QMenu* view = addMenu(nullptr, "View1", QT_TR_NOOP("View"));
    fillLanguageMenu(addMenu(view, "Language1", QT_TR_NOOP("Language")));
    QMenu* help = addMenu(nullptr, "About1", QT_TR_NOOP("Help"));
    addItems(help, {
                       {nullptr, "AboutKavrelResponseSpectrum1", QT_TR_NOOP("About"), [this] { showModal(this, aboutDialog_); }},
                       {nullptr, "Donation1", QT_TR_NOOP("Donation (捐助)"), [this] { showModal(this, donationDialog_); }},
                       {nullptr, "N1", QT_TR_NOOP("使用帮助"), [] { userDialogs().openUrl(WebSite::usageHelpPageAddress()); }},
                   });
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("rzstsbr1");
    auto* author = new QLabel("Kavrel_Spect authors", this);
    author->setObjectName("rzfldsts3");
    auto* welcome = new QLabel(this);
    welcome->setObjectName("rzfldsts1");
    texts_.add([welcome] { welcome->setText(tr("  Welcome to my Website :")); });
    bar->addWidget(author);
    bar->addWidget(welcome);
    bar->addWidget(createSiteStatusLink(bar), 1);
}

void MainWindow::setTabOrder()
{
    QList<QWidget*> order = inputPanel_->inputsInTabOrder();
    for (QPushButton* button : commandButtons_)
        order << button;
    order << checkList_;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::createSpectrum()
{
    const std::optional<SpectrumInputs> inputs = inputPanel_->readInputs();
    if (!inputs)
        return;
    if (spectra_.contains(inputs->name)) {
        userDialogs().warning(nameTakenMessage(inputs->name));
        inputPanel_->focusName();
        return;
    }
    SpectrumOrigin origin = originOfSelections(inputPanel_->intensityIndex(), inputPanel_->seismicActionIndex(),
                                               inputPanel_->siteClassIndex(), inputPanel_->groupIndex());
    const CodeParameters rules = codeParameters(inputPanel_->selection(), inputPanel_->ruleOptions());
    origin.rareTg = rules.rareTgApplied;
    origin.vertical = rules.verticalApplied;
    auto spectrum = std::make_unique<KavrelSpectrum>(inputs->name, inputs->alphaMax, inputs->tg,
                                                     inputs->dampingRatio, inputs->codeType);
    // The model says nothing itself; the window tells of a code it does not know.
    if (!spectrum->designCode())
        userDialogs().warning(QString::fromStdString(KavrelSpectrum::wrongCodeTypeMessage(inputs->codeType)));
    try {
        spectra_.add(std::move(spectrum), true, origin);
    } catch (const std::bad_alloc&) {
        // The set has undone whatever part of the addition was made. Any
        // other failure goes on to the general error handler with its own
        // message, the set undone just the same.
        userDialogs().warning(messages::shown(messages::outOfMemory));
    }
}

// Deletes the spectrum of the entry with the focus rectangle, whatever is selected.
void MainWindow::deleteSpectrum()
{
    const int current = checkList_->currentEntry();
    if (current < 0)
        return;
    // The list's entries stand for the set's spectra, in the same order.
    if (current < spectra_.size())
        spectra_.remove(current);
}

void MainWindow::generateArtificialRecords()
{
    // Records are matched to code spectra only: a record's own spectrum is no target.
    std::vector<ArtificialRecordsDialog::Target> targets;
    const int current = spectra_.size() == 1 ? 0 : checkList_->currentEntry();
    int focused = -1;
    for (int i = 0; i < spectra_.size(); ++i) {
        if (const KavrelSpectrum* spectrum = spectra_.spectrumAt(i)) {
            if (i == current)
                focused = static_cast<int>(targets.size());
            const SpectrumOrigin& origin = spectra_.origin(i);
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
    const auto taken = [this](const std::string& name) { return spectra_.contains(name); };
    if (artificialSave_.initialDir.isEmpty())
        artificialSave_.initialDir = files_->analysisDialog().initialDir;
    ArtificialRecordsDialog dialog(std::move(targets), focused, taken, artificialSave_, this);
    if (dialog.exec() == QDialog::Accepted && dialog.generated())
        addArtificialRecords(*dialog.generated());
}

void MainWindow::addArtificialRecords(const GeneratedRecords& generated)
{
    QStringList names;
    for (const NamedArtificialRecord& made : generated.records) {
        const int target = spectra_.indexOf(made.targetName);
        const KavrelSpectrum* spectrum = target >= 0 ? spectra_.spectrumAt(target) : nullptr;
        // At the target's damping, scaled to the peak the dialog gave it.
        RecordScaling scaling;
        scaling.targetPeakGal = made.record.peak * standardGravityCm;
        scaling.damping = spectrum ? spectrum->dampingRatio : 0.05;
        ArtificialFigures figures{made.record.seed, made.record.envelope, made.record.match};
        auto item = std::make_unique<RecordItem>(made.name,
                                                 std::make_shared<const GroundMotionRecord>(toGroundMotionRecord(made)),
                                                 scaling, figures);
        // A name taken since the dialog proposed it gets the next free one.
        const std::string name = uniqueItemName(made.name, SpectrumSet::NameLimit,
                                                [this](const std::string& n) { return spectra_.contains(n); });
        spectra_.add(name == made.name ? std::move(item) : item->renamed(name));
        names << fromNarrow(name);
    }
    statusBar()->showMessage(tr("Artificial records added: %1").arg(names.join(QStringLiteral(", "))), savedMessageTime);
}

void MainWindow::deleteAllSpectra()
{
    spectra_.clear();
}

void MainWindow::openCheckRecords()
{
    const bool opening = !checkWindow_;
    if (opening) {
        checkWindow_ = new CheckRecordsWindow(this);
        CheckRecordsWindow* window = checkWindow_;
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
            checkInputs_ = window->inputs();
            chart_->removeTemporaryCurve(CheckRecordsWindow::meanCurveName());
            // Forgotten at once: the next Check Records opens a new window.
            if (checkWindow_ == window)
                checkWindow_ = nullptr;
            window->deleteLater();
        });
    }
    offerCheckTargets();
    if (opening)
        checkWindow_->restoreInputs(checkInputs_);
    checkWindow_->show();
    checkWindow_->raise();
    checkWindow_->activateWindow();
}

// The code spectrum with the check list's focus first, then the others in
// the set's order; and the set's records, scaled, ticked as in the list.
void MainWindow::offerCheckTargets()
{
    QList<CheckTargetChoice> targets;
    QList<CheckRecordChoice> records;
    const int focused = checkList_->currentEntry();
    const auto offer = [this, &targets](int i) {
        if (const KavrelSpectrum* spectrum = spectra_.spectrumAt(i)) {
            const SpectrumOrigin& origin = spectra_.origin(i);
            targets << CheckTargetChoice{fromNarrow(spectrum->responseName), spectrum, intensityIndexOf(origin),
                                         actionIndexOf(origin), origin};
        }
    };
    if (focused >= 0 && focused < spectra_.size())
        offer(focused);
    for (int i = 0; i < spectra_.size(); ++i) {
        if (i != focused)
            offer(i);
        if (const auto* record = dynamic_cast<const RecordItem*>(&spectra_.item(i))) {
            const GroundMotionRecord scaled = record->scaledRecord();
            records << CheckRecordChoice{fromNarrow(record->name()), !record->artificial().has_value(),
                                         scaled.accelerationG, scaled.step, spectra_.isVisible(i),
                                         QString::fromStdString(record->record().sourceFileName),
                                         record->scaleFactor()};
        }
    }
    checkWindow_->setTargets(targets);
    checkWindow_->setRecords(records);
}

// A kept mean joins the set as a curve of its own under the first free
// numbered name, so that the window's next mean does not replace it.
void MainWindow::keepMeanCurve(const MeanCurveToKeep& curve)
{
    std::vector<std::string> recordNames;
    for (const QString& name : curve.recordNames)
        recordNames.push_back(toNarrow(name));
    const std::string base = toNarrow(curve.name);
    std::string name;
    for (int number = 1; name.empty() || spectra_.contains(name); ++number)
        name = base + " " + std::to_string(number);
    spectra_.add(std::make_unique<TabulatedCurveItem>(name, std::vector<double>(curve.periods.begin(), curve.periods.end()),
                                                      std::vector<double>(curve.values.begin(), curve.values.end()),
                                                      curve.damping, std::move(recordNames)));
    statusBar()->showMessage(tr("Mean curve added: %1").arg(fromNarrow(name)), savedMessageTime);
}

SaveDialog& MainWindow::dataSaveDialog()
{
    return files_->dataDialog();
}

SaveDialog& MainWindow::pictureSaveDialog()
{
    return files_->pictureDialog();
}

SaveDialog& MainWindow::analysisSaveDialog()
{
    return files_->analysisDialog();
}

void MainWindow::exportToExcel()
{
    excelOptions_.xAxisTitle = toNarrow(chart_->bottomAxis()->titleText());
    excelOptions_.yAxisTitle = toNarrow(chart_->leftAxis()->titleText());
    // What the user is shown is decided only once the export has returned:
    // its handles may be released while an error unwinds.
    runWithWorkbookHandOver([this] { exportChartToExcel(*chart_, excelOptions_); },
                            [this](const QString& saved) { statusBar()->showMessage(saved, savedMessageTime); });
}

// Out into a new graph panel, or back home, closing the panel.
void MainWindow::toggleGraphPanel()
{
    if (chart_->tag() == 0) {
        graphPanel_ = new GraphPanel(this, chart_, chartGroup_);
        graphPanel_->addActions(chartActions_);
        graphPanel_->show();
        return;
    }
    GraphPanel::returnChart(chart_, chartGroup_);
    if (graphPanel_)
        graphPanel_->close();
}

GraphPanel* MainWindow::graphPanel() const
{
    return graphPanel_;
}

AboutDialog* MainWindow::aboutDialog() const
{
    return aboutDialog_;
}

DonationDialog* MainWindow::donationDialog() const
{
    return donationDialog_;
}

CheckRecordsWindow* MainWindow::checkRecordsWindow() const
{
    return checkWindow_;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    bool settled = false;
    // Asked here, inside the event: a failed save must keep the window open.
    guarded([this, &settled] { settled = document_->settleUnsavedChanges(); })();
    if (settled)
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.apply();
    QMainWindow::changeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!SetDocument::droppedSetFile(event->mimeData()).isEmpty()
        || !RecordCommands::droppedRecordFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// A set file dropped opens as a set, as ever; other files are added as records.
void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = SetDocument::droppedSetFile(event->mimeData());
    if (path.isEmpty()) {
        const QStringList records = RecordCommands::droppedRecordFiles(event->mimeData());
        if (records.isEmpty())
            return;
        event->acceptProposedAction();
        QMetaObject::invokeMethod(
            this, [this, records] { guarded([this, records] { records_->addRecordFiles(records); })(); },
            Qt::QueuedConnection);
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over, so that no question runs inside the
    // drag and drop machinery of the desktop.
    QMetaObject::invokeMethod(
        this, [this, path] { guarded([this, path] { document_->openSetFile(path); })(); }, Qt::QueuedConnection);
}
