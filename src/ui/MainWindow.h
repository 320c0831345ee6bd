#pragma once

#include "common/SaveDialog.h"
#include "excel/ExcelOperation.h"
#include "spectrum/SpectrumSet.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <memory>

class AboutDialog;
class ChartControl;
class ChartFollowsSet;
class CheckListBox;
class CheckListFollowsSet;
class DonationDialog;
class GraphPanel;
class GridFollowsSet;
class InputPanel;
class QMenu;
class QGroupBox;
class QAction;
class QPrinter;
class QPushButton;
class StringGrid;

// The main window: wires the input panel, the commands and the three views
// of the spectrum set (chart, check list, grid) together. The logic lives in
// the set, the views and the writers; this class only connects them.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The commands, as the buttons and menu items run them.
    void createSpectrum();
    void deleteSpectrum();
    void deleteAllSpectra();
    void saveData();
    void savePicture();
    void saveForAnalysis();
    void copyChart();
    void copyData();
    void printReport();
    void previewReport();
    void exportToExcel();
    void toggleGraphPanel();
    void showAbout();
    void showDonation();
    void openHelpPage();
    void openSet();
    // Asks for a name (proposing the last one) and saves; false when the
    // user cancelled.
    bool saveSet();
    void exitProgram();

    // Opens a set file in place of the shown set: the file is read and
    // checked whole first (a refusal is one message naming the file, and
    // nothing changes), then the user is asked about unsaved changes.
    // Returns whether the set was replaced.
    bool openSetFile(const QString& path);
    // The program's arguments after its name: the first one is a set file
    // to open.
    void openArguments(const QStringList& arguments);
    // Changes to the set since it was last saved or opened.
    bool hasUnsavedChanges() const;
    // The set file last saved or opened; empty before either.
    const QString& setPath() const { return setPath_; }
    // Most recent first, at most maxRecentSets, as kept in the settings.
    static QStringList recentSets();
    static constexpr int maxRecentSets = 8;

    const SpectrumSet& spectra() const { return spectra_; }
    InputPanel* inputPanel() const { return inputPanel_; }
    ChartControl* chart() const { return chart_; }
    CheckListBox* checkList() const { return checkList_; }
    StringGrid* grid() const { return grid_; }
    QGroupBox* chartGroup() const { return chartGroup_; }
    // Each is null while its window is not open.
    GraphPanel* graphPanel() const;
    AboutDialog* aboutDialog() const;
    DonationDialog* donationDialog() const;
    ExcelOp& excelOptions() { return excelOptions_; }
    SaveDialog& dataSaveDialog() { return dataSaveDialog_; }
    SaveDialog& pictureSaveDialog() { return pictureSaveDialog_; }
    SaveDialog& analysisSaveDialog() { return analysisSaveDialog_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void saveSetCommand() { saveSet(); }
    bool settleUnsavedChanges();
    void markSaved(const QString& path);
    void rememberRecentSet(const QString& path);
    void fillRecentMenu();
    QWidget* buildCommandPanel();
    void buildLayout();
    void buildMenu();
    void buildStatusBar();
    void followSet();
    void setTabOrder();
    void setUpSaveDialogs();
    void preparePrinter(QPrinter& printer) const;

    SpectrumSet spectra_;
    ExcelOp excelOptions_;
    SaveDialog dataSaveDialog_;
    SaveDialog pictureSaveDialog_;
    SaveDialog analysisSaveDialog_;
    SaveDialog setSaveDialog_;
    QString setPath_;
    std::uint64_t savedRevision_ = 0;
    QMenu* recentMenu_ = nullptr;

    InputPanel* inputPanel_ = nullptr;
    ChartControl* chart_ = nullptr;
    CheckListBox* checkList_ = nullptr;
    StringGrid* grid_ = nullptr;
    QGroupBox* chartGroup_ = nullptr;
    QList<QPushButton*> commandButtons_;
    // The chart's commands, whose shortcuts work in the graph panel too.
    QList<QAction*> chartActions_;
    QPointer<GraphPanel> graphPanel_;
    QPointer<AboutDialog> aboutDialog_;
    QPointer<DonationDialog> donationDialog_;

    std::unique_ptr<ChartFollowsSet> chartView_;
    std::unique_ptr<CheckListFollowsSet> checkListView_;
    std::unique_ptr<GridFollowsSet> gridView_;
};
