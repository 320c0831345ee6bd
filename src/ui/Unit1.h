#pragma once

#include "common/SaveDialog.h"
#include "excel/Myexceloperation.h"

#include <QMainWindow>
#include <QStringList>
#include <cstdint>
#include <list>
#include <string>

class CheckListBox;
class ChartControl;
class KavrelSpectrum;
class LinkLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class StringGrid;

// The main window: the input panel, the chart, the check list and the grid of
// the created spectra, the commands on them and the status bar.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    void applyCodeParameters();
    std::int32_t validateInputs();
    bool nameExists(const std::string& name);
    void removeSpectrum(const std::string& name);

    // Handlers, bound to the controls and menu items.
    void FormCreate();
    void cbb1Change();
    void cbb2Change();
    void cbb3Change();
    void cbb4Change();
    void cbb5Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void SaveForAnalysis1Click();
    void lst1Change();
    void cht1DblClick();
    void FormDestroy();
    void btn1Click();
    void AboutKavrelResponseSpectrum1Click();
    void Donation1Click();
    void N1Click();
    void rzfldsts2MouseMove();
    void rzfldsts2MouseLeave();
    void rzfldsts2Click();

    void removeAllSpectra();
    void rebuildGrid();
    void setCurveVisible(std::string name, bool visible);

    // Selections and the inputs of the spectrum being created.
    std::int32_t codeType = 0;
    std::int32_t intensityIndex = 0;
    std::int32_t seismicActionIndex = 0;
    std::int32_t groupIndex = 0;
    std::int32_t siteClassIndex = 0;
    std::string responseName;
    double alphaMax = 0;
    double tg = 0;
    double dampingRatio = 0;
    // The created spectra, owned, in creation order; every walk over the list
    // uses the one cursor.
    std::list<KavrelSpectrum*> spectrumList;
    std::list<KavrelSpectrum*>::iterator listCursor;
    // Spreadsheet export options and the application of the last export.
    ExcelOp excelOp;

    // Controls.
    QGroupBox* grp1;
    QGroupBox* grp2;
    QGroupBox* grp3;
    QGroupBox* grp4;
    QLabel* lbl1;
    QLabel* lbl2;
    QLabel* lbl3;
    QLabel* lbl4;
    QLabel* lbl5;
    QLabel* lbl6;
    QLabel* lbl7;
    QLabel* lbl8;
    QLabel* lbl9;
    QLineEdit* edt1;
    QLineEdit* edt2;
    QLineEdit* edt4;
    QLineEdit* edt5;
    QComboBox* cbb1;
    QComboBox* cbb2;
    QComboBox* cbb3;
    QComboBox* cbb4;
    QComboBox* cbb5;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* btn1;
    CheckListBox* lst1;
    ChartControl* cht1;
    StringGrid* strngrd1;
    QStatusBar* rzstsbr1;
    QLabel* rzfldsts1;
    LinkLabel* rzfldsts2;
    QLabel* rzfldsts3;
    QMenuBar* mm1;
    QMenu* Edit1;
    QMenu* About1;
    QAction* Create1;
    QAction* Delete1;
    QAction* DeleteAll1;
    QAction* SaveData1;
    QAction* SavePicture1;
    QAction* SaveForAnalysis1;
    QAction* AboutKavrelResponseSpectrum1;
    QAction* Donation1;
    QAction* N1;
    SaveDialog dlgSave1;
    SaveDialog dlg1;
    SaveDialog dlgAnalysis;

private:
    void buildControls();
    void buildMenu();
    void buildStatusBar();
    void wireControls();
    void setTabOrder();
    bool refuse(QLineEdit* field, const QString& message);
    bool readNumber(QLineEdit* field, const QString& negativeMessage, double& value);
    void addCurve(const KavrelSpectrum& spectrum);
    void addGridRow(const KavrelSpectrum& spectrum);
    QStringList gridRowTexts(const KavrelSpectrum& spectrum) const;
};
