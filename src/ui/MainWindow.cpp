#include "ui/MainWindow.h"

#include "common/UserDialogs.h"
#include "common/WebSite.h"
#include "excel/workbook/WorkbookHandOver.h"
#include "spectrum/StartupDefaults.h"
#include "text/NarrowText.h"
#include "ui/AboutDialog.h"
#include "ui/ActionButton.h"
#include "ui/ArtificialCommands.h"
#include "ui/ChartControl.h"
#include "ui/CheckCommands.h"
#include "ui/LibraryCommands.h"
#include "ui/RecordLibraryWindow.h"
#include "ui/CheckListBox.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/DonationDialog.h"
#include "ui/FileCommands.h"
#include "ui/GraphPanel.h"
#include "ui/InputPanel.h"
#include "ui/KavrelApplication.h"
#include "ui/LanguageSwitch.h"
#include "ui/LinkLabel.h"
#include "ui/ModalDialog.h"
#include "ui/RecordCommands.h"
#include "ui/ReportCommands.h"
#include "ui/SetDocument.h"
#include "ui/SetViews.h"
#include "ui/SpectrumCommands.h"
#include "ui/StringGrid.h"
#include "ui/WindowSize.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidgetItem>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

// How long "Saved ..." stays in the status bar: long enough to be read after
// a question about the workbook has been answered.
constexpr int savedMessageTime = 60000;  // ms

// A command of the window, run by its one action (a menu item, a button or both).
struct Command {
    const char* actionName;
    const char* text;  // the source text, shown through tr(); nullptr: a fixed text
    std::function<void()> run;
    QKeySequence shortcut = {};
};

// A name of the longest kind, as record files are often named.
constexpr const char* longName = "RSN6_IMPVALL.I_I-EL";

// The input group's width: the design's 275 pixels, or more where the font
// needs it to show a long name in full in the check list beside the buttons.
int inputGroupWidth(const QWidget* group, const QList<QPushButton*>& buttons, const CheckListBox* list)
{
    constexpr int designWidth = 275;
    int buttonWidth = 0;
    for (const QPushButton* button : buttons)
        buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    const QStyle* style = list->style();
    const int listWidth = list->fontMetrics().horizontalAdvance(QString::fromLatin1(longName))
                          + style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_ScrollBarExtent)
                          + 2 * list->frameWidth() + 16;
    // The margins of the group, of the command box inside it, and the spacing between.
    const int margins = 2 * group->style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + 8 + 6 + 4;
    return std::max(designWidth, buttonWidth + listWidth + margins);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    texts_.add([this] { setWindowTitle(tr("Kavrel Response Spectrum (20210912)")); });
    const QString folder = initialSaveFolder(QCoreApplication::applicationDirPath(),
                                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    document_ = new SetDocument(spectra_, folder, this);
    buildActions();
    buildLayout();
    records_ = new RecordCommands(spectra_, inputPanel_, checkList_, this);
    buildMenu();
    buildStatusBar();
    setTabOrder();
    resize(openingSize(QSize(952, 554 + menuBar()->sizeHint().height()), screen()->availableGeometry().size()));

    const auto tell = [this](const QString& note) { statusBar()->showMessage(note, savedMessageTime); };
    files_ = std::make_unique<FileCommands>(spectra_, chart_, checkList_, folder);
    spectrumCommands_ = std::make_unique<SpectrumCommands>(spectra_, inputPanel_, checkList_);
    artificial_ = std::make_unique<ArtificialCommands>(
        spectra_, checkList_, this, [this] { return files_->analysisDialog().folder; }, tell);
    excelOptions_.setDefaults();
    chart_->setLeftAxisIncrement(startup::leftAxisIncrement);
    followSet();
    check_ = std::make_unique<CheckCommands>(spectra_, chart_, checkList_, this, tell);
    library_ = std::make_unique<LibraryCommands>(spectra_, checkList_, *records_, this);
    document_->keepBeside([this] { return check_->savedInputs(); },
                          [this](const SetCheckInputs& inputs) { check_->takeSavedInputs(inputs); });
    setAcceptDrops(true);
}

// Every spectrum is released once, in order, while the views still exist;
// a chart still out in the graph panel goes with the panel, a child of ours.
MainWindow::~MainWindow()
{
    spectra_.clear();
    for (SpectrumSet::Listener* view : std::initializer_list<SpectrumSet::Listener*>{
             chartView_.get(), checkListView_.get(), gridView_.get()})
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

// Every command once: the menus and the buttons take their actions by name.
void MainWindow::buildActions()
{
    const Command commands[] = {
        {"OpenSet1", QT_TR_NOOP("Open Set..."), [this] { document_->openSet(); }, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"SaveSet1", QT_TR_NOOP("Save Set..."), [this] { document_->saveSet(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"AddRecords1", QT_TR_NOOP("Add Records..."), [this] { records_->addRecords(); }, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"RecordLibrary1", QT_TR_NOOP("Record Library..."), [this] { library_->openRecordLibrary(); }},
        {"Exit1", QT_TR_NOOP("Exit"), [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Create1", QT_TR_NOOP("Create"), [this] { createSpectrum(); }},
        {"Delete1", QT_TR_NOOP("Delete"), [this] { deleteSpectrum(); }},
        {"DeleteAll1", QT_TR_NOOP("Delete All"), [this] { deleteAllSpectra(); }},
        {"SaveData1", QT_TR_NOOP("Save Data"), [this] { files_->saveData(); }},
        {"SavePicture1", QT_TR_NOOP("Save Picture"), [this] { files_->savePicture(); }},
        {"SaveForAnalysis1", QT_TR_NOOP("Save for Analysis..."), [this] { files_->saveForAnalysis(); }},
        {"ArtificialRecords1", QT_TR_NOOP("Artificial Records..."), [this] { generateArtificialRecords(); }},
        {"CopyChart1", QT_TR_NOOP("Copy Chart"), [this] { copyChartToClipboard(chart_); },
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"CopyData1", QT_TR_NOOP("Copy Data"), [this] { copyGridToClipboard(spectra_, grid_); }, QKeySequence::Copy},
        {"Print1", QT_TR_NOOP("Print..."), [this] { printSpectraReport(chart_, spectra_); }, QKeySequence::Print},
        {"PrintPreview1", QT_TR_NOOP("Print Preview..."), [this] { previewSpectraReport(chart_, spectra_); }},
        {"RecordProperties1", QT_TR_NOOP("Record Properties..."), [this] { records_->editFocusedRecord(); }},
        {"CheckRecords1", QT_TR_NOOP("Check Records..."), [this] { openCheckRecords(); }},
        {"AboutKavrelResponseSpectrum1", QT_TR_NOOP("About"), [this] { showModal(this, aboutDialog_); }},
        {"Donation1", QT_TR_NOOP("Donation (捐助)"), [this] { showModal(this, donationDialog_); }},
        {"N1", QT_TR_NOOP("使用帮助"), [] { userDialogs().openUrl(WebSite::usageHelpPageAddress()); }},
        // The export's button alone offers it, under its fixed caption.
        {"ExportToExcel1", nullptr, [this] { exportToExcel(); }},
    };
    for (const Command& command : commands) {
        auto* action = new QAction(this);
        action->setObjectName(command.actionName);
        if (command.text)
            texts_.add([action, text = command.text] { action->setText(tr(text)); });
        action->setShortcut(command.shortcut);
        connect(action, &QAction::triggered, this, guarded(command.run));
        actions_.insert(QString::fromLatin1(command.actionName), action);
    }
    actions_.value("ExportToExcel1")->setText(QString::fromUtf8("输出曲线到 EXCEL"));
}

QAction* MainWindow::action(const char* name) const
{
    return actions_.value(QString::fromLatin1(name));
}

QPushButton* MainWindow::commandButton(const char* buttonName, const char* actionName)
{
    auto* button = new ActionButton(action(actionName), this);
    button->setObjectName(buttonName);
    return button;
}

QWidget* MainWindow::buildCommandPanel()
{
    auto* commands = new QGroupBox(this);
    commands->setObjectName("grp3");
    const std::pair<const char*, const char*> buttons[] = {
        {"Button1", "Create1"},   {"Button4", "Delete1"},     {"Button5", "DeleteAll1"},
        {"Button2", "SaveData1"}, {"Button3", "SavePicture1"},
    };
    auto* column = new QVBoxLayout();
    for (const auto& [buttonName, actionName] : buttons) {
        QPushButton* button = commandButton(buttonName, actionName);
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
    inputPanel_ = new InputPanel(inputGroup);
    auto* inputLayout = new QVBoxLayout(inputGroup);
    inputLayout->addWidget(inputPanel_);
    inputLayout->addWidget(buildCommandPanel(), 1);
    inputGroup->setFixedWidth(inputGroupWidth(inputGroup, commandButtons_, checkList_));

    QPushButton* exportButton = commandButton("btn1", "ExportToExcel1");

    chartGroup_ = new QGroupBox(this);
    chartGroup_->setObjectName("grp2");
    texts_.add([this] { chartGroup_->setTitle(tr("Graph Response")); });
    chart_ = new ChartControl(chartGroup_);
    chart_->setObjectName("cht1");
    // Whether it is home or out in the graph panel.
    texts_.add([this] { chart_->setHint(GraphPanel::chartHint(chart_->place() == ChartPlace::GraphPanel)); });
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
    // nullptr: a separator.
    const auto addItems = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name)
                menu->addAction(action(name));
            else
                menu->addSeparator();
        }
    };
    const auto addMenu = [this](QMenu* parent, const char* name, const char* title) {
        QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        menu->setObjectName(name);
        texts_.add([menu, title] { menu->setTitle(tr(title)); });
        return menu;
    };
    QMenu* file = addMenu(nullptr, "File1", QT_TR_NOOP("File"));
    addItems(file, {"OpenSet1", "SaveSet1", "AddRecords1", "RecordLibrary1"});
    QMenu* recentMenu = addMenu(file, "RecentSets1", QT_TR_NOOP("Recent Sets"));
    // Filled when opened, so that every window shows what was used last.
    document_->attachRecentMenu(recentMenu);
    addItems(file, {nullptr, "Exit1"});
    QMenu* edit = addMenu(nullptr, "Edit1", QT_TR_NOOP("Edit"));
    // For reports: after the long-standing items, which keep their places.
    addItems(edit, {"Create1", "Delete1", "DeleteAll1", "SaveData1", "SavePicture1", "SaveForAnalysis1",
                    "ArtificialRecords1", nullptr, "CopyChart1", "CopyData1", nullptr, "Print1", "PrintPreview1",
                    nullptr, "RecordProperties1", nullptr, "CheckRecords1"});
    QMenu* view = addMenu(nullptr, "View1", QT_TR_NOOP("View"));
    fillLanguageMenu(addMenu(view, "Language1", QT_TR_NOOP("Language")));
    QMenu* help = addMenu(nullptr, "About1", QT_TR_NOOP("Help"));
    addItems(help, {"AboutKavrelResponseSpectrum1", "Donation1", "N1"});
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("rzstsbr1");
    auto* author = new QLabel(this);
    author->setObjectName("rzfldsts3");
    texts_.add([author] { author->setText(tr(WebSite::authors)); });
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
    spectrumCommands_->createSpectrum();
}

void MainWindow::deleteSpectrum()
{
    spectrumCommands_->deleteSpectrum();
}

void MainWindow::deleteAllSpectra()
{
    spectrumCommands_->deleteAllSpectra();
}

void MainWindow::generateArtificialRecords()
{
    artificial_->generateArtificialRecords();
}

void MainWindow::addArtificialRecords(const GeneratedRecords& generated)
{
    artificial_->addArtificialRecords(generated);
}

SaveDialog& MainWindow::artificialSaveDialog()
{
    return artificial_->saveDialog();
}

void MainWindow::openCheckRecords()
{
    check_->openCheckRecords();
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
    if (chart_->place() == ChartPlace::Home) {
        graphPanel_ = new GraphPanel(this, chart_, chartGroup_);
        // The chart's commands, whose shortcuts work in the graph panel too.
        graphPanel_->addActions({action("CopyChart1"), action("Print1"), action("PrintPreview1")});
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

RecordLibraryWindow* MainWindow::recordLibraryWindow() const
{
    return library_->window();
}

CheckRecordsWindow* MainWindow::checkRecordsWindow() const
{
    return check_->window();
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
