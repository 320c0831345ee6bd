#include "ui/CheckRecordsWindow.h"

#include "common/UserDialogs.h"
#include "export/CheckSheet.h"
#include "export/CheckSheetHeading.h"
#include "export/ModeContributions.h"
#include "inputs/CheckInputs.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSampling.h"
#include "ui/ChartControl.h"
#include "ui/CheckChartMarks.h"
#include "ui/CheckRunner.h"
#include "ui/ClipboardContent.h"
#include "ui/KavrelApplication.h"
#include "ui/LanguageSwitch.h"
#include "ui/PrintDialogs.h"
#include "ui/ReportPrinter.h"
#include "ui/StructurePanel.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMimeData>
#include <QListWidget>
#include <QMap>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Typing pauses this long before the checks run again.
constexpr int recomputeDelay = 250;  // ms

QColor verdictFill(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return QColor(0xd4, 0xed, 0xda);
    case Verdict::Fail:
        return QColor(0xf8, 0xd7, 0xda);
    case Verdict::Warning:
        return QColor(0xff, 0xe8, 0xa8);
    }
    return QColor();
}

QColor verdictInk(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return QColor(0x15, 0x57, 0x24);
    case Verdict::Fail:
        return QColor(0x9b, 0x1c, 0x1c);
    case Verdict::Warning:
        return QColor(0x85, 0x4d, 0x0e);
    }
    return QColor();
}

QList<QPointF> curvePoints(const std::vector<double>& periods, const std::vector<double>& values)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(periods.size()));
    for (std::size_t k = 0; k < periods.size() && k < values.size(); ++k)
        points.append(QPointF(periods[k], values[k]));
    return points;
}

std::vector<double> chartPeriods()
{
    std::vector<double> periods;
    for (int i = 0; i < curvePeriodCount(); ++i)
        periods.push_back(curvePeriod(i));
    return periods;
}

QList<double> toList(const std::vector<double>& values)
{
    return QList<double>(values.begin(), values.end());
}

void fillTable(QTableWidget* table, const QStringList& header, const QList<QStringList>& rows)
{
    table->clear();
    table->setColumnCount(static_cast<int>(header.size()));
    table->setHorizontalHeaderLabels(header);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
}

QTableWidget* readOnlyTable(QWidget* parent, const char* name)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QLabel* buddyLabel(QWidget* parent, QWidget* buddy)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CheckRecordsWindow::CheckRecordsWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("CheckRecordsWindow");
    setModal(false);
    setSizeGripEnabled(true);
    texts_.add([this] { setWindowTitle(tr("Check Records")); });
    runner_ = new CheckRunner([this] { return prepareCheck(); }, recomputeDelay, this);
    connect(runner_, &CheckRunner::finished, this, [this](const SelectionCheckOutcome& outcome, const CheckJob& job) {
        if (outcome.check)
            showOutcome(outcome, job);
        else
            showRefusal(QString::fromStdString(outcome.refusal));
    });
    connect(runner_, &CheckRunner::refused, this, [this](const QString& reason) { showRefusal(reason); });

    new QHBoxLayout(this);
    buildInputs();
    buildResults();
    resize(1400, 760);
    showRefusal(QString());
}

CheckRecordsWindow::~CheckRecordsWindow() = default;

QString CheckRecordsWindow::meanCurveName()
{
    return tr("Mean of records");
}

void CheckRecordsWindow::buildInputs()
{
    auto* inputs = new QWidget(this);
    inputs->setObjectName("checkInputs");
    inputs->setFixedWidth(320);
    auto* column = new QVBoxLayout(inputs);
    column->setContentsMargins(0, 0, 0, 0);

    targetBox_ = new QComboBox(inputs);
    targetBox_->setObjectName("cmbTarget");
    QLabel* targetLabel = buddyLabel(inputs, targetBox_);
    texts_.add([targetLabel] { targetLabel->setText(tr("&Target spectrum:")); });
    connect(targetBox_, &QComboBox::currentIndexChanged, this, [this] { scheduleCheck(); });

    periodsEdit_ = new QLineEdit(inputs);
    periodsEdit_->setObjectName("edtMainPeriods");
    QLabel* periodsLabel = buddyLabel(inputs, periodsEdit_);
    texts_.add([this, periodsLabel] {
        periodsLabel->setText(tr("&Main periods T1, T2, ... (s):"));
        periodsEdit_->setPlaceholderText(tr("e.g. 1.2, 0.4"));
        periodsEdit_->setToolTip(tr("The fundamental period T1 first, then up to five more main periods."));
    });
    connect(periodsEdit_, &QLineEdit::textChanged, this, [this] { scheduleCheck(); });

    recordList_ = new QListWidget(inputs);
    recordList_->setObjectName("lstRecords");
    QLabel* recordsLabel = buddyLabel(inputs, recordList_);
    noRecordsLabel_ = new QLabel(inputs);
    noRecordsLabel_->setObjectName("lblNoRecords");
    noRecordsLabel_->setWordWrap(true);
    texts_.add([this, recordsLabel] {
        recordsLabel->setText(tr("&Records (ticked ones are checked):"));
        noRecordsLabel_->setText(tr("No records in the set: add records with File > Add Records..."));
    });
    connect(recordList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = recordList_->row(item);
        if (row < 0 || row >= records_.size())
            return;
        const bool checked = item->checkState() == Qt::Checked;
        if (records_[row].checked == checked)
            return;
        records_[row].checked = checked;
        // The user's own choice outlasts new offers and the window.
        inputs_.ticks.insert(records_[row].name, checked);
        fillShearRows();
        scheduleCheck();
    });

    shearTable_ = new QTableWidget(inputs);
    shearTable_->setObjectName("tblBaseShears");
    shearTable_->setColumnCount(1);
    shearTable_->horizontalHeader()->setStretchLastSection(true);
    shearLabel_ = buddyLabel(inputs, shearTable_);
    shearLabel_->setWordWrap(true);
    connect(shearTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* cell) {
        if (const QTableWidgetItem* head = shearTable_->verticalHeaderItem(cell->row()))
            inputs_.baseShears.insert(head->data(Qt::UserRole).toString(), cell->text());
        scheduleCheck();
    });
    modalInfoLabel_ = new QLabel(inputs);
    modalInfoLabel_->setObjectName("lblModalShears");
    modalInfoLabel_->setWordWrap(true);
    modalInfoLabel_->hide();

    structure_ = new StructurePanel(this);
    structure_->setFixedWidth(300);
    connect(structure_, &StructurePanel::changed, this, [this] {
        inputs_.structure = structure_->typed();
        fillShearRows();
        scheduleCheck();
    });
    connect(structure_, &StructurePanel::contributionsAsked, this, guarded([this] { showModeContributions(); }));
    texts_.add([this] { fillShearRows(); });

    refusalLabel_ = new QLabel(inputs);
    refusalLabel_->setObjectName("lblRefusal");
    refusalLabel_->setWordWrap(true);
    refusalLabel_->setStyleSheet(QStringLiteral("color: #9b1c1c;"));

    // The inputs part by part, as the check reads them: the target and its
    // main periods, the records, then what the structure gives (its base
    // shears, typed or computed from the modes of the Structure part beside).
    column->addWidget(targetLabel);
    column->addWidget(targetBox_);
    column->addWidget(periodsLabel);
    column->addWidget(periodsEdit_);
    column->addWidget(recordsLabel);
    column->addWidget(recordList_, 2);
    column->addWidget(noRecordsLabel_);
    column->addWidget(shearLabel_);
    column->addWidget(shearTable_, 1);
    column->addWidget(modalInfoLabel_);
    column->addWidget(refusalLabel_);
    static_cast<QHBoxLayout*>(layout())->addWidget(inputs);
    static_cast<QHBoxLayout*>(layout())->addWidget(structure_);
}

void CheckRecordsWindow::buildResults()
{
    auto* results = new QVBoxLayout();
    chart_ = new ChartControl(this);
    chart_->setObjectName("chtCheck");
    marks_ = new CheckChartMarks(chart_);
    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName("lblSummary");
    summaryLabel_->setWordWrap(true);
    recordTable_ = readOnlyTable(this, "tblRecords");
    verdictTable_ = readOnlyTable(this, "tblVerdicts");

    struct Button {
        const char* name;
        const char* text;
        void (CheckRecordsWindow::*run)();
    };
    const Button buttons[] = {
        {"btnCopy", QT_TR_NOOP("&Copy"), &CheckRecordsWindow::copySheet},
        {"btnPrint", QT_TR_NOOP("&Print..."), &CheckRecordsWindow::printSheet},
        {"btnPrintPreview", QT_TR_NOOP("Print Pre&view..."), &CheckRecordsWindow::previewSheet},
        {"btnKeepMean", QT_TR_NOOP("&Keep Mean Curve"), &CheckRecordsWindow::keepMean},
        {"btnClose", QT_TR_NOOP("Close"), nullptr},
    };
    auto* row = new QHBoxLayout();
    row->addStretch();
    for (const Button& b : buttons) {
        auto* button = new QPushButton(this);
        button->setObjectName(b.name);
        // Enter in an input box must not press a button.
        button->setAutoDefault(false);
        texts_.add([button, text = b.text] { button->setText(tr(text)); });
        if (b.run)
            connect(button, &QPushButton::clicked, this, guarded([this, run = b.run] { (this->*run)(); }));
        else
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
        row->addWidget(button);
    }
    keepButton_ = findChild<QPushButton*>("btnKeepMean");

    results->addWidget(chart_, 3);
    results->addWidget(summaryLabel_);
    results->addWidget(recordTable_, 2);
    results->addWidget(verdictTable_, 3);
    results->addLayout(row);
    static_cast<QHBoxLayout*>(layout())->addLayout(results, 1);
}

void CheckRecordsWindow::setTargets(const QList<CheckTargetChoice>& targets)
{
    const QString chosen = targetBox_->currentText();
    targets_.clear();
    for (const CheckTargetChoice& t : targets) {
        if (!t.spectrum)
            continue;
        const KavrelSpectrum& s = *t.spectrum;
        targets_.push_back({t.name,
                            std::make_shared<const KavrelSpectrum>(s.responseName, s.alphaMax, s.tg, s.dampingRatio,
                                                                   s.codeType),
                            t.intensityIndex, t.actionIndex, t.origin});
    }
    const QSignalBlocker quiet(targetBox_);
    targetBox_->clear();
    for (const TargetCopy& t : targets_)
        targetBox_->addItem(t.name);
    const int again = targetBox_->findText(chosen);
    targetBox_->setCurrentIndex(again >= 0 ? again : 0);
    scheduleCheck();
}

void CheckRecordsWindow::setRecords(const QList<CheckRecordChoice>& records)
{
    records_ = records;
    for (CheckRecordChoice& record : records_)
        record.checked = inputs_.ticks.value(record.name, record.checked);
    fillRecordList();
    fillShearRows();
    scheduleCheck();
}

void CheckRecordsWindow::fillRecordList()
{
    const QSignalBlocker quiet(recordList_);
    recordList_->clear();
    for (const CheckRecordChoice& record : records_) {
        auto* item = new QListWidgetItem(record.natural ? record.name : tr("%1 (artificial)").arg(record.name),
                                         recordList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(record.checked ? Qt::Checked : Qt::Unchecked);
    }
    noRecordsLabel_->setVisible(records_.isEmpty());
}

// One row for V0 and one per ticked record; a value typed for a record stays
// with it, ticked or not. With the structure's modes given the rows show the
// base shears computed from them instead, read-only, and keep the typed ones
// for when the modes go.
void CheckRecordsWindow::fillShearRows()
{
    QStringList names{QString()};
    for (const CheckRecordChoice& record : records_) {
        if (record.checked)
            names << record.name;
    }
    const bool computed = structure_->reading().given;
    const std::optional<ModalShears> modal = shown_.check ? shown_.check->modalShears : std::nullopt;
    shearLabel_->setText(computed ? tr("&Base shears, computed from the structure's modes (kN; V0 of the "
                                       "response-spectrum method, then each record's):")
                                  : tr("&Base shears (optional; V0 of the response-spectrum method, then each record's):"));
    const QSignalBlocker quiet(shearTable_);
    shearTable_->setHorizontalHeaderLabels({computed ? tr("Computed (kN)") : tr("Base shear")});
    shearTable_->setRowCount(static_cast<int>(names.size()));
    for (int r = 0; r < names.size(); ++r) {
        auto* head = new QTableWidgetItem(r == 0 ? tr("V0 (response spectrum)") : names[r]);
        head->setData(Qt::UserRole, names[r]);
        shearTable_->setVerticalHeaderItem(r, head);
        if (!computed) {
            shearTable_->setItem(r, 0, new QTableWidgetItem(inputs_.baseShears.value(names[r])));
            continue;
        }
        const auto at = static_cast<std::size_t>(r);
        QString text;
        if (modal && r == 0)
            text = checkFigureNumber(modal->responseSpectrum, QLocale());
        else if (modal && at - 1 < modal->records.size())
            text = checkFigureNumber(modal->records[at - 1], QLocale());
        auto* item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setBackground(palette().color(QPalette::Window));
        shearTable_->setItem(r, 0, item);
    }
    modalInfoLabel_->setText(modal ? modalShearsInfo(*modal, QLocale(), FigureWords::Translated) : QString());
    modalInfoLabel_->setVisible(computed && modal.has_value());
}

CheckWindowInputs CheckRecordsWindow::inputs() const
{
    CheckWindowInputs kept = inputs_;
    kept.mainPeriods = periodsEdit_->text();
    kept.structure = structure_->typed();
    return kept;
}

void CheckRecordsWindow::restoreInputs(const CheckWindowInputs& inputs)
{
    inputs_ = inputs;
    for (CheckRecordChoice& record : records_)
        record.checked = inputs_.ticks.value(record.name, record.checked);
    fillRecordList();
    structure_->setTyped(inputs_.structure);
    fillShearRows();
    periodsEdit_->setText(inputs_.mainPeriods);
    scheduleCheck();
}

QStringList CheckRecordsWindow::shearCells() const
{
    QStringList cells;
    for (int r = 0; r < shearTable_->rowCount(); ++r) {
        const QTableWidgetItem* cell = shearTable_->item(r, 0);
        cells << (cell ? cell->text() : QString());
    }
    return cells;
}

void CheckRecordsWindow::scheduleCheck()
{
    runner_->schedule();
}

CheckRunner::Prepared CheckRecordsWindow::prepareCheck() const
{
    CheckRunner::Prepared prepared;
    const int chosen = targetBox_->currentIndex();
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= targets_.size()) {
        prepared.refusal = tr("No code spectrum in the set: create one to check the records against.");
        return prepared;
    }
    if (records_.isEmpty()) {
        prepared.refusal = noRecordsLabel_->text();
        return prepared;
    }
    const MainPeriodsReading periods = readMainPeriods(periodsEdit_->text());
    if (!periods.accepted()) {
        prepared.refusal = periods.refusal;
        return prepared;
    }
    const StructureReading structure = structure_->reading();
    if (!structure.accepted()) {
        prepared.refusal = structure.refusal;
        return prepared;
    }
    // With the structure's modes the base shears are computed; the typed
    // ones wait for the modes to go.
    const BaseShearsReading shears = structure.given ? BaseShearsReading() : readBaseShears(shearCells());
    if (!shears.accepted()) {
        prepared.refusal = shears.refusal;
        return prepared;
    }
    const TargetCopy& target = targets_[static_cast<std::size_t>(chosen)];
    CheckJob job;
    job.target = target.spectrum;
    job.targetName = target.name;
    job.periodTexts = periods.texts;
    job.chartPeriods = chartPeriods();
    job.input.intensityIndex = target.intensityIndex;
    job.input.actionIndex = target.actionIndex;
    job.input.mainPeriods = periods.periods;
    job.input.baseShears = shears.shears;
    if (structure.given)
        job.input.structure = structure.structure;
    job.input.shearUpperLimits = structure_->shearUpperLimits();
    for (const CheckRecordChoice& record : records_) {
        if (record.checked)
            job.input.records.push_back({record.name.toStdString(), !record.natural, record.acceleration, record.step});
    }
    prepared.job = std::move(job);
    return prepared;
}

void CheckRecordsWindow::finishPendingCheck()
{
    runner_->finishPending();
}

QString CheckRecordsWindow::refusal() const
{
    return refusal_;
}

void CheckRecordsWindow::showOutcome(const SelectionCheckOutcome& outcome, const CheckJob& job)
{
    shown_ = outcome;
    shownInput_ = job.input;
    shownPeriodTexts_ = job.periodTexts;
    shownTarget_ = job.targetName;
    refusal_.clear();
    refusalLabel_->clear();
    refusalLabel_->hide();
    keepButton_->setEnabled(true);
    fillTables();
    drawChart();
    emit meanCurveChanged(meanCurveName(), toList(shown_.periods), toList(shown_.mean));
}

void CheckRecordsWindow::showRefusal(const QString& reason)
{
    shown_ = SelectionCheckOutcome();
    shownInput_ = SelectionCheckInput();
    shownPeriodTexts_.clear();
    refusal_ = reason;
    refusalLabel_->setText(reason);
    refusalLabel_->setVisible(!reason.isEmpty());
    keepButton_->setEnabled(false);
    fillTables();
    drawChart();
    emit meanCurveChanged(meanCurveName(), {}, {});
}

QList<QStringList> CheckRecordsWindow::shownRecordRows() const
{
    if (!shown_.check)
        return {};
    return checkSheetRecordRows(*shown_.check, QLocale(), shownPeriodTexts_, FigureWords::Translated);
}

QList<QStringList> CheckRecordsWindow::shownVerdictRows() const
{
    if (!shown_.check)
        return {};
    return checkSheetVerdictRows(*shown_.check, QLocale(), shownPeriodTexts_, FigureWords::Translated);
}

QString CheckRecordsWindow::summary() const
{
    if (!shown_.check)
        return QString();
    const SelectionCheck& check = *shown_.check;
    int fails = 0;
    int warnings = 0;
    for (const CheckVerdict& v : check.verdicts) {
        fails += v.verdict == Verdict::Fail;
        warnings += v.verdict == Verdict::Warning;
    }
    // Two source texts each, so that English says "1 check fails" without
    // a translation of its own.
    const QString failText = fails == 1 ? tr("%n check fails", nullptr, fails) : tr("%n checks fail", nullptr, fails);
    const QString warningText =
        warnings == 1 ? tr("%n warning", nullptr, warnings) : tr("%n warnings", nullptr, warnings);
    QString text;
    if (fails > 0)
        text = tr("Against %1: %2, %3.").arg(shownTarget_, failText, warningText);
    else if (warnings > 0)
        text = tr("Against %1: every check passes, with %2.").arg(shownTarget_, warningText);
    else
        text = tr("Against %1: every check passes.").arg(shownTarget_);
    // Chinese runs its sentences together without a space.
    return tr("%1 %2", "the verdicts' count, then what governs the design")
        .arg(text, check.meanGoverns ? tr("With 7 or more records the design takes the larger of the mean of the "
                                   "time-history results and the response-spectrum result.")
                              : tr("With 3 to 6 records the design takes the larger of the envelope of the "
                                   "time-history results and the response-spectrum result."));
}

void CheckRecordsWindow::fillTables()
{
    if (structure_->reading().given)
        fillShearRows();
    summaryLabel_->setText(summary());
    const QList<QStringList> records = shownRecordRows();
    fillTable(recordTable_, records.value(0), records.mid(1));
    fillTable(verdictTable_, {tr("Check"), tr("Verdict"), tr("Figure")}, shownVerdictRows());
    if (!shown_.check)
        return;
    const SelectionCheck& check = *shown_.check;
    for (std::size_t i = 0; i < check.verdicts.size(); ++i) {
        const Verdict verdict = check.verdicts[i].verdict;
        for (int c = 0; c < verdictTable_->columnCount(); ++c) {
            QTableWidgetItem* item = verdictTable_->item(static_cast<int>(i), c);
            item->setBackground(verdictFill(verdict));
            item->setForeground(verdictInk(verdict));
        }
    }
}

// Each mode's part of V0 and of each record's base shear, for the check
// shown; not modal, so that the check window stays in use beside it.
void CheckRecordsWindow::showModeContributions()
{
    finishPendingCheck();
    if (!shown_.check || !shown_.check->modalShears || !shownInput_.structure) {
        userDialogs().information(
            refusal_.isEmpty() ? tr("Give the structure's modes and G first: the contributions are those of the "
                                    "check shown.")
                               : tr("There are no mode contributions to show: %1").arg(refusal_));
        return;
    }
    const StructureModel& structure = *shownInput_.structure;
    std::vector<std::string> names;
    std::vector<std::vector<double>> peaks;
    // The pending check has just run: the ticked records are the ones shown.
    for (const CheckRecordChoice& record : records_) {
        if (!record.checked)
            continue;
        names.push_back(record.name.toStdString());
        peaks.push_back(modalPeakShears(record.acceleration, record.step, structure, shown_.damping));
    }
    const QList<QStringList> rows = modeContributionRows(structure, *shown_.check->modalShears, names, peaks, QLocale());
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName("ModeContributionsDialog");
    dialog->setWindowTitle(tr("Mode Contributions"));
    auto* layout = new QVBoxLayout(dialog);
    QTableWidget* table = readOnlyTable(dialog, "tblModeContributions");
    auto* note = buddyLabel(dialog, table);
    note->setText(tr("Each mode's own peak base shear, kN. A record's base shear is not their sum: the modes' "
                     "peaks fall at different times."));
    note->setWordWrap(true);
    fillTable(table, rows.value(0), rows.mid(1));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    close->button(QDialogButtonBox::Close)->setObjectName("btnCloseContributions");
    connect(close, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(note);
    layout->addWidget(table);
    layout->addWidget(close);
    dialog->resize(760, 440);
    dialog->show();
}

void CheckRecordsWindow::drawChart()
{
    chart_->removeAllCurves();
    chart_->removeTemporaryCurve(meanCurveName());
    marks_->clear();
    const int chosen = targetBox_->currentIndex();
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < targets_.size()) {
        const TargetCopy& target = targets_[static_cast<std::size_t>(chosen)];
        QList<QPointF> points;
        for (const SpectrumPoint& p : sampleCurve(*target.spectrum))
            points.append(QPointF(p.period, p.alpha));
        chart_->addCurve(target.name, points);
        // The band the mean must keep to, and where it is judged.
        marks_->show(points, selectionLimits::spectrumTolerance,
                     shown_.check ? shown_.check->mainPeriods : std::vector<double>());
    }
    if (!shown_.check)
        return;
    for (std::size_t r = 0; r < shown_.curves.size(); ++r)
        chart_->addCurve(QString::fromStdString(shown_.check->records[r].name), curvePoints(shown_.periods, shown_.curves[r]));
    chart_->setTemporaryCurve(meanCurveName(), curvePoints(shown_.periods, shown_.mean));
}

bool CheckRecordsWindow::haveCheckOrSay()
{
    if (shown_.check)
        return true;
    userDialogs().information(tr("There is no check to copy, print or keep: %1").arg(refusal_));
    return false;
}

void CheckRecordsWindow::copySheet()
{
    finishPendingCheck();
    if (!haveCheckOrSay())
        return;
    // The sheet goes into a calculation report: in English it is the sheet
    // kspect prints; in another language, the tables as the window shows and
    // prints them.
    const FigureWords words = installedLanguage() == Language::English ? FigureWords::AsWritten : FigureWords::Translated;
    const QList<QStringList> rows = checkSheetRows(*shown_.check, QLocale(), shownPeriodTexts_, words);
    QMimeData* sheet = tableMimeData(rows, true);
    // The text stays the sheet a script reads; the HTML, pasted into a
    // report, says what it is about.
    QString html = sheet->html();
    html.replace(QStringLiteral("<body>"), QStringLiteral("<body>") + checkSheetHeadingHtml(sheetHeading()));
    sheet->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(sheet);
}

namespace {

void prepareCheckPrinter(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    // The print preview's title and the document's name.
    printer.setDocName(CheckRecordsWindow::tr("Record selection check"));
    printer.setCreator(QStringLiteral("Kavrel_Spect"));
}

} // namespace

void CheckRecordsWindow::printSheet()
{
    finishPendingCheck();
    if (!haveCheckOrSay())
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepareCheckPrinter(printer);
    if (!printDialogs().askPrint(printer))
        return;
    printCheckSheet(&printer, chart_, sheetToPrint());
}

void CheckRecordsWindow::previewSheet()
{
    finishPendingCheck();
    if (!haveCheckOrSay())
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepareCheckPrinter(printer);
    printDialogs().preview(printer, [this](QPrinter* target) {
        guarded([this, target] {
            printCheckSheet(target, chart_, sheetToPrint());
        })();
    });
}

QStringList CheckRecordsWindow::sheetHeading() const
{
    CheckSheetTarget target;
    target.name = shownTarget_;
    for (const TargetCopy& t : targets_) {
        if (t.name != shownTarget_)
            continue;
        target.codeType = t.spectrum->codeType;
        target.alphaMax = t.spectrum->alphaMax;
        target.tg = t.spectrum->tg;
        target.damping = t.spectrum->dampingRatio;
        target.origin = t.origin;
        break;
    }
    QList<CheckSheetRecord> records;
    for (const CheckRecordChoice& record : records_) {
        if (record.checked)
            records << CheckSheetRecord{record.name, record.file, !record.natural, record.scaleFactor};
    }
    QStringList lines = checkSheetHeading(target, records);
    if (shownInput_.structure)
        lines << checkSheetStructureLines(*shownInput_.structure);
    if (!shownInput_.shearUpperLimits)
        lines << checkSheetInelasticLine();
    return lines;
}

CheckSheetPrint CheckRecordsWindow::sheetToPrint() const
{
    CheckSheetPrint sheet;
    sheet.heading = sheetHeading();
    sheet.recordRows = shownRecordRows();
    sheet.verdictRows = shownVerdictRows();
    for (const CheckVerdict& v : shown_.check->verdicts)
        sheet.verdictFills << verdictFill(v.verdict);
    for (const QLineSeries* curve : chart_->curves())
        sheet.legend << curve;
    if (const QLineSeries* mean = chart_->temporaryCurve(meanCurveName()))
        sheet.legend << mean;
    return sheet;
}

void CheckRecordsWindow::keepMean()
{
    finishPendingCheck();
    if (!haveCheckOrSay())
        return;
    MeanCurveToKeep curve{meanCurveName(), toList(shown_.periods), toList(shown_.mean), shown_.damping, {}};
    for (const RecordFigures& record : shown_.check->records)
        curve.recordNames << QString::fromStdString(record.name);
    emit keepMeanCurve(curve);
}

void CheckRecordsWindow::done(int result)
{
    runner_->stop();
    QDialog::done(result);
    emit closed();
}

void CheckRecordsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.apply();
        fillRecordList();
        fillTables();
        // A refusal is worded when it is made: made again in the new language.
        if (!refusal_.isEmpty())
            scheduleCheck();
    }
    QDialog::changeEvent(event);
}
