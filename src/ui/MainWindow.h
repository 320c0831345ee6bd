#pragma once

#include "common/SaveDialog.h"
#include "excel/ExcelOperation.h"
#include "spectrum/SpectrumSet.h"

#include <QMainWindow>
#include <QPointer>
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
class QGroupBox;
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
    void exportToExcel();
    void toggleGraphPanel();
    void showAbout();
    void showDonation();
    void openHelpPage();

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

private:
    QWidget* buildCommandPanel();
    void buildLayout();
    void buildMenu();
    void buildStatusBar();
    void followSet();
    void setTabOrder();
    void setUpSaveDialogs();

    SpectrumSet spectra_;
    ExcelOp excelOptions_;
    SaveDialog dataSaveDialog_;
    SaveDialog pictureSaveDialog_;

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
    std::unique_ptr<GridFollowsSet> gridView_;
};
