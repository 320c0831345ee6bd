#include "ui/MainWindow.h"

#include "common/UserDialogs.h"
#include "common/WebSite.h"
#include "export/PictureFormat.h"
#include "export/ReportPage.h"
#include "export/SetFile.h"
#include "export/SpectrumCsv.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/StartupDefaults.h"
#include "text/NarrowText.h"
#include "ui/AboutDialog.h"
#include "ui/ChartControl.h"
#include "ui/ChartPicture.h"
#include "ui/ClipboardContent.h"
#include "ui/CheckListBox.h"
#include "ui/DonationDialog.h"
#include "ui/GraphPanel.h"
#include "ui/InputPanel.h"
#include "ui/KavrelApplication.h"
#include "ui/LinkLabel.h"
#include "ui/ModalDialog.h"
#include "ui/SaveForAnalysis.h"
#include "ui/PrintDialogs.h"
#include "ui/ReportPrinter.h"
#include "ui/SetViews.h"
#include "ui/StringGrid.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QSettings>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

// A command as both a button and a menu item offer it.
struct Command {
    const char* buttonName;  // nullptr: menu item only
    const char* actionName;  // nullptr: button only
    QString text;
    void (MainWindow::*run)();
    QKeySequence shortcut = {};
};

const QString recentSetsKey = QStringLiteral("recentSets");

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kavrel_Spect"),
                     QStringLiteral("Kavrel_Spect"));
}

bool isSetFile(const QString& path)
{
    return path.endsWith(QLatin1Char('.') + QLatin1String(setFileSuffix), Qt::CaseInsensitive);
}

// The first local .kspect file among dropped ones.
QString droppedSetFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && isSetFile(url.toLocalFile()))
            return url.toLocalFile();
    }
    return {};
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Kavrel Response Spectrum (20210912)");
    buildLayout();
    buildMenu();
    buildStatusBar();
    setTabOrder();
    // 952 x 554 below the menu bar, status bar included.
    resize(952, 554 + menuBar()->sizeHint().height());

    setUpSaveDialogs();
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
    for (SpectrumSet::Listener* view :
         std::initializer_list<SpectrumSet::Listener*>{chartView_.get(), checkListView_.get(), gridView_.get()})
        spectra_.removeListener(view);
}

void MainWindow::followSet()
{
    chartView_ = std::make_unique<ChartFollowsSet>(spectra_, chart_);
    checkListView_ = std::make_unique<CheckListFollowsSet>(spectra_, checkList_);
    gridView_ = std::make_unique<GridFollowsSet>(spectra_, grid_);
    gridView_->writeHeader();
    spectra_.addListener(chartView_.get());
    spectra_.addListener(checkListView_.get());
    spectra_.addListener(gridView_.get());
    // A tick in the list is the spectrum's check mark; the chart follows it.
    connect(checkList_, &CheckListBox::userToggled, this, [this](int index, bool checked) {
        guarded([this, index, checked] { spectra_.setVisible(index, checked); })();
    });
    connect(chart_, &ChartControl::doubleClicked, this, guarded([this] { toggleGraphPanel(); }));
}

void MainWindow::setUpSaveDialogs()
{
    const QString folder = initialSaveFolder(QCoreApplication::applicationDirPath(),
                                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dataSaveDialog_.initialDir = folder;
    dataSaveDialog_.filter = QString::fromUtf8("CSV(逗号分隔)(*.csv)");
    dataSaveDialog_.defaultExt = "csv";
    dataSaveDialog_.confirmOverwrite = true;
    pictureSaveDialog_.initialDir = folder;
    pictureSaveDialog_.filter = pictureFilter(PictureFormat::Bmp);
    pictureSaveDialog_.filters = pictureFilters();
    pictureSaveDialog_.defaultExt = "bmp";
    // Replacing a picture the user picked by mistake would lose it: ask too.
    pictureSaveDialog_.confirmOverwrite = true;
    setUpAnalysisDialog(analysisSaveDialog_, folder);
    setSaveDialog_.title = "Save Set";
    setSaveDialog_.initialDir = folder;
    setSaveDialog_.filter = QStringLiteral("Kavrel_Spect sets (*.%1)").arg(setFileSuffix);
    setSaveDialog_.defaultExt = setFileSuffix;
    setSaveDialog_.confirmOverwrite = true;
}

QWidget* MainWindow::buildCommandPanel()
{
    auto* commands = new QGroupBox(this);
    commands->setObjectName("grp3");
    const Command buttons[] = {
        {"Button1", nullptr, "Create", &MainWindow::createSpectrum},
        {"Button4", nullptr, "Delete", &MainWindow::deleteSpectrum},
        {"Button5", nullptr, "Delete All", &MainWindow::deleteAllSpectra},
        {"Button2", nullptr, "Save Data", &MainWindow::saveData},
        {"Button3", nullptr, "Save Picture", &MainWindow::savePicture},
    };
    auto* column = new QVBoxLayout();
    for (const Command& command : buttons) {
        auto* button = new QPushButton(command.text, this);
        button->setObjectName(command.buttonName);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, guarded([this, run = command.run] { (this->*run)(); }));
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

    auto* inputGroup = new QGroupBox("Define Response", this);
    inputGroup->setObjectName("grp1");
    inputGroup->setFixedWidth(275);
    inputPanel_ = new InputPanel(inputGroup);
    auto* inputLayout = new QVBoxLayout(inputGroup);
    inputLayout->addWidget(inputPanel_);
    inputLayout->addWidget(buildCommandPanel(), 1);

    auto* exportButton = new QPushButton(QString::fromUtf8("输出曲线到 EXCEL"), this);
    exportButton->setObjectName("btn1");
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, guarded([this] { exportToExcel(); }));

    chartGroup_ = new QGroupBox("Graph Response", this);
    chartGroup_->setObjectName("grp2");
    chart_ = new ChartControl(chartGroup_);
    chart_->setObjectName("cht1");
    chart_->setHint("Double click to Poup the Graph Panel.");
    auto* chartLayout = new QVBoxLayout(chartGroup_);
    chartLayout->setContentsMargins(2, 2, 2, 2);
    chartLayout->addWidget(chart_);

    auto* dataGroup = new QGroupBox("Response Data", this);
    dataGroup->setObjectName("grp4");
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
            QAction* action = menu->addAction(item.text);
            action->setObjectName(item.actionName);
            action->setShortcut(item.shortcut);
            connect(action, &QAction::triggered, this, guarded([this, run = item.run] { (this->*run)(); }));
        }
    };
    QMenu* file = bar->addMenu("File");
    file->setObjectName("File1");
    addItems(file, {
                       {nullptr, "OpenSet1", "Open Set...", &MainWindow::openSet, QKeySequence(Qt::CTRL | Qt::Key_O)},
                       {nullptr, "SaveSet1", "Save Set...", &MainWindow::saveSetCommand, QKeySequence(Qt::CTRL | Qt::Key_S)},
                   });
    recentMenu_ = file->addMenu("Recent Sets");
    recentMenu_->setObjectName("RecentSets1");
    // Filled when opened, so that every window shows what was used last.
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    fillRecentMenu();
    file->addSeparator();
    addItems(file, {{nullptr, "Exit1", "Exit", &MainWindow::exitProgram, QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    QMenu* edit = bar->addMenu("Edit");
    edit->setObjectName("Edit1");
    addItems(edit, {
                       {nullptr, "Create1", "Create", &MainWindow::createSpectrum},
                       {nullptr, "Delete1", "Delete", &MainWindow::deleteSpectrum},
                       {nullptr, "DeleteAll1", "Delete All", &MainWindow::deleteAllSpectra},
                       {nullptr, "SaveData1", "Save Data", &MainWindow::saveData},
                       {nullptr, "SavePicture1", "Save Picture", &MainWindow::savePicture},
                       {nullptr, "SaveForAnalysis1", "Save for Analysis...", &MainWindow::saveForAnalysis},
                   });
    // For reports: after the long-standing items, which keep their places.
    edit->addSeparator();
    addItems(edit, {
                       {nullptr, "CopyChart1", "Copy Chart", &MainWindow::copyChart,
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                       {nullptr, "CopyData1", "Copy Data", &MainWindow::copyData, QKeySequence::Copy},
                   });
    edit->addSeparator();
    addItems(edit, {
                       {nullptr, "Print1", "Print...", &MainWindow::printReport, QKeySequence::Print},
                       {nullptr, "PrintPreview1", "Print Preview...", &MainWindow::previewReport},
                   });
    for (const char* name : {"CopyChart1", "Print1", "PrintPreview1"})
        chartActions_ << edit->findChild<QAction*>(name);
    QMenu* help = bar->addMenu("Help");
    help->setObjectName("About1");
    addItems(help, {
                       {nullptr, "AboutKavrelResponseSpectrum1", "About", &MainWindow::showAbout},
                       {nullptr, "Donation1", QString::fromUtf8("Donation (捐助)"), &MainWindow::showDonation},
                       {nullptr, "N1", QString::fromUtf8("使用帮助"), &MainWindow::openHelpPage},
                   });
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("rzstsbr1");
    auto* author = new QLabel("Kavrel_Spect authors", this);
    author->setObjectName("rzfldsts3");
    auto* welcome = new QLabel("  Welcome to my Website :", this);
    welcome->setObjectName("rzfldsts1");
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
        userDialogs().warning("Response with name: " + quoted(fromNarrow(inputs->name))
                              + " already exists! Please Input another Name.");
        inputPanel_->focusName();
        return;
    }
    try {
        spectra_.add(std::make_unique<KavrelSpectrum>(inputs->name, inputs->alphaMax, inputs->tg,
                                                      inputs->dampingRatio, inputs->codeType),
                     true,
                     originOfSelections(inputPanel_->intensityIndex(), inputPanel_->seismicActionIndex(),
                                        inputPanel_->siteClassIndex(), inputPanel_->groupIndex()));
    } catch (const std::exception&) {
        // The set has undone whatever part of the addition was made.
        userDialogs().warning("Out of Memory.");
    }
}

// Deletes the spectrum of the entry with the focus rectangle, whatever is selected.
void MainWindow::deleteSpectrum()
{
    const int current = checkList_->currentEntry();
    if (current < 0)
        return;
    const int index = spectra_.indexOf(toNarrow(checkList_->entryText(current)));
    if (index >= 0)
        spectra_.remove(index);
}

void MainWindow::deleteAllSpectra()
{
    spectra_.clear();
}

void MainWindow::saveData()
{
    if (spectra_.empty()) {
        userDialogs().information("No spectrum have been create.");
        return;
    }
    dataSaveDialog_.fileName = "Spectrum";
    if (!dataSaveDialog_.execute())
        return;
    std::vector<const KavrelSpectrum*> all;
    for (int i = 0; i < spectra_.size(); ++i)
        all.push_back(&spectra_.at(i));
    saveSpectrumCsv(dataSaveDialog_.fileName, all);
    userDialogs().information("Export Completed");
    pictureSaveDialog_.initialDir = dataSaveDialog_.initialDir;
}

// The format follows the extension typed, else the file type chosen; the
// bitmap stays the type offered first every time.
void MainWindow::savePicture()
{
    pictureSaveDialog_.fileName = "Spectrum";
    pictureSaveDialog_.filter = pictureFilter(PictureFormat::Bmp);
    if (!pictureSaveDialog_.execute())
        return;
    const PictureFormat format = pictureFormatFor(pictureSaveDialog_.fileName, pictureSaveDialog_.filter);
    saveWidgetPicture(chart_, pictureSaveDialog_.fileName, format);
    dataSaveDialog_.initialDir = pictureSaveDialog_.initialDir;
}

void MainWindow::saveForAnalysis()
{
    ::saveForAnalysis(spectra_, *checkList_, analysisSaveDialog_);
}

void MainWindow::copyChart()
{
    QGuiApplication::clipboard()->setMimeData(chartMimeData(chart_));
}

// The grid's selected cells while the grid has the keyboard and a
// selection; otherwise the whole grid, header row first.
void MainWindow::copyData()
{
    if (spectra_.empty()) {
        userDialogs().information("No spectrum have been create.");
        return;
    }
    if (grid_->hasFocus()) {
        const QList<QStringList> selected = grid_->selectedTexts();
        if (!selected.isEmpty()) {
            QGuiApplication::clipboard()->setMimeData(tableMimeData(selected, false));
            return;
        }
    }
    QGuiApplication::clipboard()->setMimeData(tableMimeData(grid_->allTexts(), true));
}

void MainWindow::preparePrinter(QPrinter& printer) const
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Response spectra"));
    printer.setCreator(QStringLiteral("Kavrel_Spect"));
}

void MainWindow::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!printDialogs().askPrint(printer))
        return;
    ::printReport(&printer, chart_, parameterTable(spectra_));
}

void MainWindow::previewReport()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    // The preview draws the page whenever it needs to; a failure there is
    // shown like any command's.
    printDialogs().preview(printer, [this](QPrinter* target) {
        guarded([this, target] { ::printReport(target, chart_, parameterTable(spectra_)); })();
    });
}

void MainWindow::exportToExcel()
{
    excelOptions_.xAxisTitle = toNarrow(chart_->bottomAxis()->titleText());
    excelOptions_.yAxisTitle = toNarrow(chart_->leftAxis()->titleText());
    exportChartToExcel(*chart_, excelOptions_);
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

void MainWindow::showAbout()
{
    showModal(this, aboutDialog_);
}

void MainWindow::showDonation()
{
    showModal(this, donationDialog_);
}

void MainWindow::openHelpPage()
{
    userDialogs().openUrl(WebSite::usageHelpPageAddress());
}

bool MainWindow::hasUnsavedChanges() const
{
    // An empty window that was never saved holds nothing to lose.
    if (setPath_.isEmpty() && spectra_.empty())
        return false;
    return spectra_.revision() != savedRevision_;
}

// True when the shown set may be replaced: no unsaved changes, or the user
// saved or discarded them.
bool MainWindow::settleUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    const QString what = setPath_.isEmpty()
        ? QStringLiteral("The spectra have not been saved as a set.")
        : QStringLiteral("The set %1 has changed since it was saved.").arg(quoted(QFileInfo(setPath_).fileName()));
    switch (userDialogs().askSaveChanges(what + QStringLiteral(" Save the changes?"))) {
    case UserDialogs::SaveChoice::Save:
        return saveSet();
    case UserDialogs::SaveChoice::Discard:
        return true;
    case UserDialogs::SaveChoice::Cancel:
        break;
    }
    return false;
}

void MainWindow::markSaved(const QString& path)
{
    setPath_ = QFileInfo(path).absoluteFilePath();
    savedRevision_ = spectra_.revision();
    setSaveDialog_.initialDir = QFileInfo(setPath_).absolutePath() + u'/';
    rememberRecentSet(setPath_);
}

void MainWindow::openSet()
{
    OpenFileRequest request;
    request.title = "Open Set";
    request.filter = setSaveDialog_.filter;
    request.initialDir = setSaveDialog_.initialDir;
    const std::optional<QString> chosen = userDialogs().askOpenFileName(request);
    if (chosen && !chosen->isEmpty())
        openSetFile(*chosen);
}

bool MainWindow::openSetFile(const QString& path)
{
    SetContents contents;
    try {
        contents = readSetFile(path);
    } catch (const SetFileError& error) {
        userDialogs().warning(error.message());
        return false;
    }
    if (!settleUnsavedChanges())
        return false;
    try {
        replaceSetContents(spectra_, contents);
    } catch (const std::exception&) {
        // As after a failed Create: the set keeps what it could take, and
        // counts as changed, since it is not the file.
        userDialogs().warning("Out of Memory.");
        return false;
    }
    markSaved(path);
    return true;
}

bool MainWindow::saveSet()
{
    if (spectra_.empty()) {
        userDialogs().information("No spectrum have been create.");
        return false;
    }
    setSaveDialog_.fileName = setPath_.isEmpty() ? QStringLiteral("Spectra") : QFileInfo(setPath_).fileName();
    if (!setSaveDialog_.execute())
        return false;
    saveSetFile(setSaveDialog_.fileName, setContentsOf(spectra_));
    markSaved(setSaveDialog_.fileName);
    return true;
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::openArguments(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        openSetFile(arguments.first());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    bool settled = false;
    // Asked here, inside the event: a failed save must keep the window open.
    guarded([this, &settled] { settled = settleUnsavedChanges(); })();
    if (settled)
        event->accept();
    else
        event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedSetFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedSetFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that no question runs inside the
    // drag and drop machinery of the desktop.
    QMetaObject::invokeMethod(
        this, [this, path] { guarded([this, path] { openSetFile(path); })(); }, Qt::QueuedConnection);
}

QStringList MainWindow::recentSets()
{
    return settings().value(recentSetsKey).toStringList().mid(0, maxRecentSets);
}

void MainWindow::rememberRecentSet(const QString& path)
{
    QStringList recent = recentSets();
    recent.removeAll(path);
    recent.prepend(path);
    settings().setValue(recentSetsKey, recent.mid(0, maxRecentSets));
    // Not refilled here: this may run from one of the menu's own items.
    recentMenu_->setEnabled(true);
}

void MainWindow::fillRecentMenu()
{
    recentMenu_->clear();
    const QStringList recent = recentSets();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("RecentSet%1").arg(i + 1));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, guarded([this, path] {
                    // A set that is gone leaves the list once the user has seen why.
                    if (!openSetFile(path) && !QFileInfo::exists(path)) {
                        QStringList left = recentSets();
                        left.removeAll(path);
                        settings().setValue(recentSetsKey, left);
                        recentMenu_->setEnabled(!left.isEmpty());
                    }
                }));
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}
