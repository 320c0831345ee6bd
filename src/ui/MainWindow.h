#pragma once

#include "common/SaveDialog.h"
#include "excel/ExcelOperation.h"
#include "spectrum/SpectrumSet.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/Retranslator.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class AboutDialog;
class ArtificialCommands;
class ChartControl;
class CheckCommands;
class CheckRecordsWindow;
class ChartFollowsSet;
class CheckListBox;
class CheckListFollowsSet;
class DonationDialog;
class FileCommands;
class GraphPanel;
class GridFollowsSet;
class InputPanel;
class LibraryCommands;
class RecordLibraryWindow;
class QMenu;
class QGroupBox;
class QAction;
class QPrinter;
class RecordCommands;
class QPushButton;
class SetDocument;
class SpectrumCommands;
class StringGrid;
struct GeneratedRecords;

// The main window: wires the input panel, the commands and the three views
// of the spectrum set (chart, check list, grid) together. Each command is one
// action, run from the menu, a button or both; what it does lives in the
// command classes, the set, the views and the writers.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The commands, as the buttons and menu items run them.
    void createSpectrum();
    void deleteSpectrum();
    void deleteAllSpectra();
    void exportToExcel();
    void toggleGraphPanel();
    // Edit > Artificial Records...: the dialog over the set's code spectra.
    void generateArtificialRecords();
    // Takes over what the dialog generated, under the names it made unique.
    void addArtificialRecords(const GeneratedRecords& generated);
    // The folder and type last used by the dialog's Save....
    SaveDialog& artificialSaveDialog();
    // Opens the record check (or brings it forward) with the set's spectra.
    void openCheckRecords();
    // The shown set as a document: its file, unsaved changes, recent sets.
    SetDocument& document() const { return *document_; }
    // Add Records, dropped record files, a record's properties.
    RecordCommands& records() const { return *records_; }

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
    CheckRecordsWindow* checkRecordsWindow() const;
    RecordLibraryWindow* recordLibraryWindow() const;
    // File > Record Library...
    LibraryCommands& library() const { return *library_; }
    ExcelOp& excelOptions() { return excelOptions_; }
    SaveDialog& dataSaveDialog();
    SaveDialog& pictureSaveDialog();
    SaveDialog& analysisSaveDialog();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildActions();
    QAction* action(const char* name) const;
    QPushButton* commandButton(const char* buttonName, const char* actionName);
    QWidget* buildCommandPanel();
    void buildLayout();
    void buildMenu();
    void buildStatusBar();
    void followSet();
    void setTabOrder();

    SpectrumSet spectra_;
    ExcelOp excelOptions_;
    QHash<QString, QAction*> actions_;  // by object name
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<SpectrumCommands> spectrumCommands_;
    std::unique_ptr<ArtificialCommands> artificial_;
    std::unique_ptr<CheckCommands> check_;
    std::unique_ptr<LibraryCommands> library_;
    SetDocument* document_ = nullptr;
    RecordCommands* records_ = nullptr;

    InputPanel* inputPanel_ = nullptr;
    ChartControl* chart_ = nullptr;
    CheckListBox* checkList_ = nullptr;
    StringGrid* grid_ = nullptr;
    QGroupBox* chartGroup_ = nullptr;
    QList<QPushButton*> commandButtons_;
    QPointer<GraphPanel> graphPanel_;
    QPointer<AboutDialog> aboutDialog_;
    QPointer<DonationDialog> donationDialog_;

    std::unique_ptr<ChartFollowsSet> chartView_;
    std::unique_ptr<CheckListFollowsSet> checkListView_;
    // Declared last, destroyed first: its steps refer to the widgets above.
    Retranslator texts_;
    std::unique_ptr<GridFollowsSet> gridView_;
};
