#include "ui/Unit1.h"

#include "common/UserDialogs.h"
#include "common/WebSite.h"
#include "export/SpectrumCsv.h"
#include "spectrum/CodeTables.h"
#include "spectrum/Kavrelspectrum.h"
#include "spectrum/SpectrumSampling.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"
#include "ui/KavrelApplication.h"
#include "ui/LinkLabel.h"
#include "ui/About.h"
#include "ui/ChartControl.h"
#include "ui/ChartPicture.h"
#include "ui/CheckListBox.h"
#include "ui/Donationform.h"
#include "ui/Graphpanelform.h"
#include "ui/SaveForAnalysis.h"
#include "ui/StringGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QValueAxis>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include <new>

namespace {

const QStringList codeItems = {"GB 50011-2010", "GB 50011-2001", "GB/T 51408-2021"};
const QStringList intensityItems = {"6 ( 0.05 g )", "7 ( 0.10 g)", "7 ( 0.15 g)",
                                    "8 ( 0.20 g)",  "8 ( 0.30 g)", "9 ( 0.40 g)"};
const QStringList actionItems = {QString::fromUtf8("多遇地震"), QString::fromUtf8("设防地震"),
                                 QString::fromUtf8("罕遇地震"), QString::fromUtf8("极罕遇地震")};
const QStringList siteItems = {"I0", "I1", "II", "III", "IV"};
const QStringList groupItems = {"1st Group", "2nd Group", "3th Group"};

constexpr int gridColumns = 122;
// The system's "gradient active caption" colour behind the main inputs.
const QColor inputBackground(0xB9, 0xD1, 0xEA);

// Removes blanks and control characters at both ends, as a name is read.
QString trimControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

TForm1::TForm1(QWidget* owner) : QMainWindow(owner)
{
    setObjectName("Form1");
    buildControls();
    buildMenu();
    buildStatusBar();
    wireControls();
    setTabOrder();
    // 952 x 554 below the menu bar, status bar included.
    resize(952, 554 + mm1->sizeHint().height());

    responseName.clear();
    spectrumList.clear();
    listCursor = spectrumList.end();

    const QString folder = initialSaveFolder(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dlgSave1.initialDir = folder;
    dlgSave1.filter = QString::fromUtf8("CSV(逗号分隔)(*.csv)");
    dlgSave1.defaultExt = "csv";
    dlgSave1.confirmOverwrite = true;
    dlg1.initialDir = folder;
    dlg1.filter = "Bitmaps (*.bmp)";
    dlg1.defaultExt = "bmp";
    // Replacing a picture the user picked by mistake would lose it: ask too.
    dlg1.confirmOverwrite = true;
    setUpAnalysisDialog(dlgAnalysis, folder);

    excelOp.setDefaults();

    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
    // A chart still out in the graph panel is released with the panel, which
    // belongs to this window.
}

void TForm1::FormDestroy()
{
    removeAllSpectra();
}

void TForm1::buildControls()
{
    setWindowTitle("Kavrel Response Spectrum (20210912)");
    auto* central = new QWidget(this);
    central->setObjectName("central");
    setCentralWidget(central);

    auto label = [this](const char* name, const QString& text, bool blue) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        if (blue) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, Qt::blue);
            l->setPalette(p);
        }
        return l;
    };
    auto edit = [this](const char* name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(name);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, inputBackground);
        e->setPalette(p);
        return e;
    };
    auto combo = [this](const char* name, const QStringList& items) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->addItems(items);
        c->setEditable(false);
        return c;
    };
    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };

    lbl8 = label("lbl8", "Response Name", true);
    edt4 = edit("edt4", "Spectrum-1");
    lbl7 = label("lbl7", "Design Code", true);
    cbb1 = combo("cbb1", codeItems);
    {
        QPalette p = cbb1->palette();
        p.setColor(QPalette::Button, inputBackground);
        p.setColor(QPalette::Base, inputBackground);
        cbb1->setPalette(p);
    }
    lbl1 = label("lbl1", "Seismic Intensity", false);
    cbb2 = combo("cbb2", intensityItems);
    lbl2 = label("lbl2", "Seismic Action", false);
    cbb3 = combo("cbb3", actionItems);
    lbl3 = label("lbl3", "Site-Class", false);
    cbb4 = combo("cbb4", siteItems);
    lbl4 = label("lbl4", "Earthquake Group ", false);
    cbb5 = combo("cbb5", groupItems);
    lbl5 = label("lbl5", "Max Influence Coefficient, AlphaMax ", true);
    edt1 = edit("edt1", QString());
    lbl6 = label("lbl6", "Characteristic Ground Period, Tg (s)", true);
    edt2 = edit("edt2", QString());
    lbl9 = label("lbl9", QString::fromUtf8("Damping Ratio, ζ "), true);
    // Written in the user's own number form, so that it reads back as typed.
    edt5 = edit("edt5", formatGeneral(0.05));

    const std::pair<QLabel*, QWidget*> buddies[] = {
        {lbl8, edt4}, {lbl7, cbb1}, {lbl1, cbb2}, {lbl2, cbb3}, {lbl3, cbb4},
        {lbl4, cbb5}, {lbl5, edt1}, {lbl6, edt2}, {lbl9, edt5},
    };

    grp1 = new QGroupBox("Define Response", this);
    grp1->setObjectName("grp1");
    grp1->setFixedWidth(275);
    auto* inputs = new QGridLayout();
    inputs->setVerticalSpacing(3);
    int row = 0;
    for (const auto& [l, w] : buddies) {
        l->setBuddy(w);
        const bool wide = (w == edt1 || w == edt2 || w == edt5);
        if (wide) {
            inputs->addWidget(l, row++, 0, 1, 2);
            inputs->addWidget(w, row++, 0, 1, 2);
        } else {
            inputs->addWidget(l, row, 0);
            inputs->addWidget(w, row++, 1);
        }
    }

    grp3 = new QGroupBox(this);
    grp3->setObjectName("grp3");
    Button1 = button("Button1", "Create");
    Button4 = button("Button4", "Delete");
    Button5 = button("Button5", "Delete All");
    Button2 = button("Button2", "Save Data");
    Button3 = button("Button3", "Save Picture");
    lst1 = new CheckListBox(this);
    lst1->setObjectName("lst1");
    auto* buttons = new QVBoxLayout();
    for (QPushButton* b : {Button1, Button4, Button5, Button2, Button3})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* grp3Layout = new QHBoxLayout(grp3);
    grp3Layout->setContentsMargins(4, 4, 4, 4);
    grp3Layout->addLayout(buttons);
    grp3Layout->addWidget(lst1, 1);

    auto* grp1Layout = new QVBoxLayout(grp1);
    grp1Layout->addLayout(inputs);
    grp1Layout->addWidget(grp3, 1);

    btn1 = button("btn1", QString::fromUtf8("输出曲线到 EXCEL"));

    grp2 = new QGroupBox("Graph Response", this);
    grp2->setObjectName("grp2");
    cht1 = new ChartControl(grp2);
    cht1->setObjectName("cht1");
    cht1->setHint("Double click to Poup the Graph Panel.");
    auto* grp2Layout = new QVBoxLayout(grp2);
    grp2Layout->setContentsMargins(2, 2, 2, 2);
    grp2Layout->addWidget(cht1);

    grp4 = new QGroupBox("Response Data", this);
    grp4->setObjectName("grp4");
    strngrd1 = new StringGrid(grp4);
    strngrd1->setObjectName("strngrd1");
    auto* grp4Layout = new QVBoxLayout(grp4);
    grp4Layout->setContentsMargins(2, 2, 2, 2);
    grp4Layout->addWidget(strngrd1);
    grp4->setFixedHeight(130);

    auto* left = new QVBoxLayout();
    left->addWidget(grp1, 1);
    left->addWidget(btn1);
    auto* right = new QVBoxLayout();
    right->addWidget(grp2, 1);
    right->addWidget(grp4);
    auto* main = new QHBoxLayout(central);
    main->setContentsMargins(4, 4, 4, 4);
    main->addLayout(left);
    main->addLayout(right, 1);

}

void TForm1::buildMenu()
{
    mm1 = menuBar();
    mm1->setObjectName("mm1");
    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        return a;
    };
    Edit1 = mm1->addMenu("Edit");
    Edit1->setObjectName("Edit1");
    Create1 = action(Edit1, "Create1", "Create");
    Delete1 = action(Edit1, "Delete1", "Delete");
    DeleteAll1 = action(Edit1, "DeleteAll1", "Delete All");
    SaveData1 = action(Edit1, "SaveData1", "Save Data");
    SavePicture1 = action(Edit1, "SavePicture1", "Save Picture");
    SaveForAnalysis1 = action(Edit1, "SaveForAnalysis1", "Save for Analysis...");
    About1 = mm1->addMenu("Help");
    About1->setObjectName("About1");
    AboutKavrelResponseSpectrum1 = action(About1, "AboutKavrelResponseSpectrum1", "About");
    Donation1 = action(About1, "Donation1", QString::fromUtf8("Donation (捐助)"));
    N1 = action(About1, "N1", QString::fromUtf8("使用帮助"));
}

void TForm1::buildStatusBar()
{
    rzstsbr1 = statusBar();
    rzstsbr1->setObjectName("rzstsbr1");
    rzfldsts3 = new QLabel("Kavrel_Spect authors", this);
    rzfldsts3->setObjectName("rzfldsts3");
    rzfldsts1 = new QLabel("  Welcome to my Website :", this);
    rzfldsts1->setObjectName("rzfldsts1");
    rzfldsts2 = createSiteStatusLink(rzstsbr1);
    connectLink(rzfldsts2, this, &TForm1::rzfldsts2MouseMove, &TForm1::rzfldsts2MouseLeave,
                &TForm1::rzfldsts2Click);
    rzstsbr1->addWidget(rzfldsts3);
    rzstsbr1->addWidget(rzfldsts1);
    rzstsbr1->addWidget(rzfldsts2, 1);
}

void TForm1::wireControls()
{
    connect(cbb1, &QComboBox::activated, this, &TForm1::cbb1Change);
    connect(cbb2, &QComboBox::activated, this, &TForm1::cbb2Change);
    connect(cbb3, &QComboBox::activated, this, &TForm1::cbb3Change);
    connect(cbb4, &QComboBox::activated, this, &TForm1::cbb4Change);
    connect(cbb5, &QComboBox::activated, this, &TForm1::cbb5Change);
    // A button and its menu item run the same handler.
    const auto bind = [this](QPushButton* button, QAction* item, void (TForm1::*handler)()) {
        const auto run = guarded([this, handler] { (this->*handler)(); });
        if (button)
            connect(button, &QPushButton::clicked, this, run);
        if (item)
            connect(item, &QAction::triggered, this, run);
    };
    bind(Button1, Create1, &TForm1::Button1Click);
    bind(Button4, Delete1, &TForm1::Button4Click);
    bind(Button5, DeleteAll1, &TForm1::Button5Click);
    bind(Button2, SaveData1, &TForm1::Button2Click);
    bind(Button3, SavePicture1, &TForm1::Button3Click);
    bind(nullptr, SaveForAnalysis1, &TForm1::SaveForAnalysis1Click);
    bind(btn1, nullptr, &TForm1::btn1Click);
    connect(AboutKavrelResponseSpectrum1, &QAction::triggered, this,
            guarded([this] { AboutKavrelResponseSpectrum1Click(); }));
    connect(Donation1, &QAction::triggered, this, guarded([this] { Donation1Click(); }));
    connect(N1, &QAction::triggered, this, guarded([this] { N1Click(); }));
    connect(lst1, &CheckListBox::userToggled, this, guarded([this] { lst1Change(); }));
    connect(cht1, &ChartControl::doubleClicked, this, guarded([this] { cht1DblClick(); }));
}

void TForm1::setTabOrder()
{
    const QList<QWidget*> order = {edt4, cbb1, cbb2, cbb3, cbb4, cbb5, edt1, edt2, edt5,
                                   Button1, Button4, Button5, Button2, Button3, lst1};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm1::FormCreate()
{
    codeType = 0;
    intensityIndex = 0;
    seismicActionIndex = 0;
    groupIndex = 0;
    siteClassIndex = 0;
    for (QComboBox* box : {cbb1, cbb2, cbb3, cbb4, cbb5})
        box->setCurrentIndex(0);
    applyCodeParameters();
    dampingRatio = 0.05;
    responseName = "Response1";

    cht1->setLeftAxisIncrement(0.0025);

    strngrd1->setColCount(gridColumns);
    strngrd1->setRowCount(2);
    strngrd1->setColWidth(0, 85);
    strngrd1->setCells(0, 0, " Name");
    for (int j = 0; j < gridPeriodCount; ++j)
        strngrd1->setCells(j + 1, 0, formatGeneral(gridPeriod(j)));
}

void TForm1::applyCodeParameters()
{
    alphaMax = lookupAlphaMax(intensityIndex, seismicActionIndex);
    edt1->setText(formatGeneral(alphaMax));
    tg = lookupTg(siteClassIndex, groupIndex);
    edt2->setText(formatGeneral(tg));
}

void TForm1::cbb1Change()
{
    codeType = cbb1->currentIndex();
    applyCodeParameters();
}

void TForm1::cbb2Change()
{
    intensityIndex = cbb2->currentIndex();
    applyCodeParameters();
}

void TForm1::cbb3Change()
{
    seismicActionIndex = cbb3->currentIndex();
    applyCodeParameters();
}

void TForm1::cbb4Change()
{
    siteClassIndex = cbb4->currentIndex();
    applyCodeParameters();
}

void TForm1::cbb5Change()
{
    groupIndex = cbb5->currentIndex();
    applyCodeParameters();
}

bool TForm1::refuse(QLineEdit* field, const QString& message)
{
    userDialogs().warning(message);
    field->setFocus();
    return false;
}

bool TForm1::readNumber(QLineEdit* field, const QString& negativeMessage, double& value)
{
    double parsed = 0;
    if (!parseLocaleDouble(field->text(), parsed))
        return refuse(field, quoted(field->text()) + " is not a valid floating number!");
    if (parsed < 0)
        return refuse(field, negativeMessage);
    value = parsed;
    return true;
}

std::int32_t TForm1::validateInputs()
{
    const std::string name = toNarrow(trimControls(edt4->text()));
    if (name.size() >= 20) {
        refuse(edt4, "Response Name must be less than 20 letters.");
        return -1;
    }
    if (name.empty()) {
        refuse(edt4, "Please Input Response Name.");
        return -1;
    }
    responseName = name;
    if (!readNumber(edt1, "AlphaMax must be postive.", alphaMax))
        return -1;
    if (!readNumber(edt2, "Characteristic Groud Period must be postive.", tg))
        return -1;
    if (!readNumber(edt5, "Damping ratio must be postive.", dampingRatio))
        return -1;
    return 0;
}

bool TForm1::nameExists(const std::string& name)
{
    for (listCursor = spectrumList.begin(); listCursor != spectrumList.end(); ++listCursor) {
        if ((*listCursor)->responseName == name)
            return true;
    }
    return false;
}

void TForm1::Button1Click()
{
    if (validateInputs() == -1)
        return;
    if (nameExists(responseName)) {
        userDialogs().warning("Response with name: " + quoted(fromNarrow(responseName))
                              + " already exists! Please Input another Name.");
        edt4->setFocus();
        return;
    }

    KavrelSpectrum* spectrum = nullptr;
    bool listed = false;
    try {
        spectrum = new KavrelSpectrum(responseName, alphaMax, tg, dampingRatio, codeType);
        spectrumList.push_back(spectrum);
        listed = true;
        lst1->addEntry(fromNarrow(responseName));  // the last step: nothing to undo after it
    } catch (const std::exception&) {
        userDialogs().warning("Out of Memory.");
        if (listed)
            spectrumList.pop_back();
        delete spectrum;
        return;
    }
    lst1->setChecked(lst1->count() - 1, true);

    addCurve(*spectrum);
    addGridRow(*spectrum);
}

void TForm1::addCurve(const KavrelSpectrum& spectrum)
{
    QList<QPointF> points;
    const auto samples = sampleCurve(spectrum);
    points.reserve(static_cast<qsizetype>(samples.size()));
    for (const SpectrumPoint& p : samples)
        points.append(QPointF(p.period, p.alpha));
    cht1->addCurve(fromNarrow(spectrum.responseName), points);
}

QStringList TForm1::gridRowTexts(const KavrelSpectrum& spectrum) const
{
    QStringList cells;
    cells.reserve(gridColumns);
    cells << fromNarrow(spectrum.responseName);
    for (double alpha : sampleGrid(spectrum))
        cells << formatFixed(alpha, 6);
    return cells;
}

void TForm1::addGridRow(const KavrelSpectrum& spectrum)
{
    const int row = static_cast<int>(spectrumList.size());
    strngrd1->setRowCount(row + 1);
    strngrd1->grid()->setRow(row, gridRowTexts(spectrum));
}

void TForm1::removeSpectrum(const std::string& name)
{
    for (listCursor = spectrumList.begin(); listCursor != spectrumList.end(); ++listCursor) {
        if ((*listCursor)->responseName == name)
            break;
    }
    if (listCursor == spectrumList.end())
        return;
    KavrelSpectrum* spectrum = *listCursor;
    spectrumList.remove(spectrum);
    listCursor = spectrumList.end();
    delete spectrum;

    const QString title = fromNarrow(name);
    for (QLineSeries* curve : cht1->curves()) {
        if (curve->name() == title) {
            cht1->removeCurve(curve);
            break;
        }
    }
    lst1->removeEntry(title);
}

void TForm1::Button4Click()
{
    if (lst1->count() == 0)
        return;
    const int current = lst1->currentEntry();
    if (current < 0)
        return;
    removeSpectrum(toNarrow(lst1->entryText(current)));
    rebuildGrid();
}

void TForm1::Button5Click()
{
    removeAllSpectra();
    rebuildGrid();
}

void TForm1::removeAllSpectra()
{
    for (listCursor = spectrumList.begin(); listCursor != spectrumList.end(); ++listCursor)
        delete *listCursor;  // deleting a null pointer is a no-op
    spectrumList.clear();
    listCursor = spectrumList.end();
    cht1->removeAllCurves();
    lst1->clear();
}

void TForm1::rebuildGrid()
{
    const int n = static_cast<int>(spectrumList.size());
    if (n == 0) {
        strngrd1->setRowCount(2);
        strngrd1->grid()->setRow(1, QStringList(gridColumns, QString()));
        return;
    }
    std::vector<QStringList> rows;
    rows.reserve(n);
    for (listCursor = spectrumList.begin(); listCursor != spectrumList.end(); ++listCursor)
        rows.push_back(gridRowTexts(**listCursor));
    strngrd1->grid()->setDataRows(std::move(rows));
}

void TForm1::lst1Change()
{
    for (int i = 0; i < lst1->count(); ++i)
        setCurveVisible(toNarrow(lst1->entryText(i)), lst1->isChecked(i));
}

void TForm1::setCurveVisible(std::string name, bool visible)
{
    const QString title = fromNarrow(name);
    for (QLineSeries* curve : cht1->curves()) {
        if (curve->name() == title)
            curve->setVisible(visible);
    }
}

void TForm1::cht1DblClick()
{
    if (cht1->tag() == 0) {
        Form2 = new TForm2(this);
        Form2->hostedChart = cht1;
        Form2->homeParent = grp2;
        cht1->setHint("Double click to restore the Graph Panel.");
        Form2->host(cht1);
        Form2->show();
        cht1->setTag(1);
    } else {
        returnChartHome(cht1, grp2);
        cht1->setHint("Double click to Poup the Graph Panel.");
        cht1->setTag(0);
        if (Form2)
            Form2->close();
    }
}

void TForm1::Button2Click()
{
    if (spectrumList.empty()) {
        userDialogs().information("No spectrum have been create.");
        return;
    }
    dlgSave1.fileName = "Spectrum";
    if (!dlgSave1.execute())
        return;
    saveSpectrumCsv(dlgSave1.fileName, {spectrumList.begin(), spectrumList.end()});
    userDialogs().information("Export Completed");
    dlg1.initialDir = dlgSave1.initialDir;
}

void TForm1::Button3Click()
{
    dlg1.fileName = "Spectrum";
    if (!dlg1.execute())
        return;
    saveWidgetPicture(cht1, dlg1.fileName);
    dlgSave1.initialDir = dlg1.initialDir;
}

void TForm1::SaveForAnalysis1Click()
{
    saveForAnalysis(spectrumList, *lst1, dlgAnalysis);
}

void TForm1::AboutKavrelResponseSpectrum1Click()
{
    showAboutBox(this);
}

void TForm1::Donation1Click()
{
    showDonationBox(this);
}

void TForm1::N1Click()
{
    userDialogs().openUrl(WebSite::usageHelpPageAddress());
}

void TForm1::rzfldsts2MouseMove()
{
    rzfldsts2->showHover();
}

void TForm1::rzfldsts2MouseLeave()
{
    rzfldsts2->showDesign();
}

void TForm1::rzfldsts2Click()
{
    rzfldsts2->openPage();
}

void TForm1::btn1Click()
{
    excelOp.xAxisTitle = toNarrow(cht1->bottomAxis()->titleText());
    excelOp.yAxisTitle = toNarrow(cht1->leftAxis()->titleText());
    exportChartToExcel(*cht1, excelOp);
}
