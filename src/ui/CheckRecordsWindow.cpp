#include "ui/CheckRecordsWindow.h"

#include "common/UserDialogs.h"
#include "export/CheckSheet.h"
#include "inputs/CheckInputs.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSampling.h"
#include "ui/ChartControl.h"
#include "ui/ClipboardContent.h"
#include "ui/KavrelApplication.h"
#include "ui/LanguageSwitch.h"
#include "ui/PrintDialogs.h"
#include "ui/ReportPrinter.h"

#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

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

// The verdict in the window's language; the sheet keeps its own words.
QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return CheckRecordsWindow::tr("pass");
    case Verdict::Fail:
        return CheckRecordsWindow::tr("fail");
    case Verdict::Warning:
        return CheckRecordsWindow::tr("warning");
    }
    return QString();
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
    debounce_.setSingleShot(true);
    debounce_.setInterval(recomputeDelay);
    connect(&debounce_, &QTimer::timeout, this, guarded([this] { startCheck(); }));
    connect(&watcher_, &QFutureWatcher<SelectionCheckOutcome>::finished, this, guarded([this] { checkFinished(); }));

    new QHBoxLayout(this);
    buildInputs();
    buildResults();
    resize(1100, 720);
    showRefusal(QString());
}

// A run still going is waited for: it reads copies only, but its result
// would have nowhere to go.
CheckRecordsWindow::~CheckRecordsWindow()
{
    watcher_.waitForFinished();
}

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
        fillShearRows();
        scheduleCheck();
    });

    shearTable_ = new QTableWidget(inputs);
    shearTable_->setObjectName("tblBaseShears");
    shearTable_->setColumnCount(1);
    shearTable_->horizontalHeader()->setStretchLastSection(true);
    QLabel* shearLabel = buddyLabel(inputs, shearTable_);
    texts_.add([this, shearLabel] {
        shearLabel->setText(tr("&Base shears (optional; V0 of the response-spectrum method, then each record's):"));
        shearLabel->setWordWrap(true);
        shearTable_->setHorizontalHeaderLabels({tr("Base shear")});
        fillShearRows();
    });
    connect(shearTable_, &QTableWidget::itemChanged, this, [this] { scheduleCheck(); });

    refusalLabel_ = new QLabel(inputs);
    refusalLabel_->setObjectName("lblRefusal");
    refusalLabel_->setWordWrap(true);
    refusalLabel_->setStyleSheet(QStringLiteral("color: #9b1c1c;"));

    column->addWidget(targetLabel);
    column->addWidget(targetBox_);
    column->addWidget(periodsLabel);
    column->addWidget(periodsEdit_);
    column->addWidget(recordsLabel);
    column->addWidget(recordList_, 2);
    column->addWidget(noRecordsLabel_);
    column->addWidget(shearLabel);
    column->addWidget(shearTable_, 1);
    column->addWidget(refusalLabel_);
    static_cast<QHBoxLayout*>(layout())->addWidget(inputs);
}

void CheckRecordsWindow::buildResults()
{
    auto* results = new QVBoxLayout();
    chart_ = new ChartControl(this);
    chart_->setObjectName("chtCheck");
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
                            t.intensityIndex, t.actionIndex});
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
// with it while others are ticked or unticked.
void CheckRecordsWindow::fillShearRows()
{
    QMap<QString, QString> typed;
    for (int r = 0; r < shearTable_->rowCount(); ++r) {
        const QTableWidgetItem* head = shearTable_->verticalHeaderItem(r);
        const QTableWidgetItem* cell = shearTable_->item(r, 0);
        if (cell)
            typed.insert(r == 0 ? QString() : (head ? head->data(Qt::UserRole).toString() : QString()), cell->text());
    }
    QStringList names{QString()};
    for (const CheckRecordChoice& record : records_) {
        if (record.checked)
            names << record.name;
    }
    const QSignalBlocker quiet(shearTable_);
    shearTable_->setRowCount(static_cast<int>(names.size()));
    for (int r = 0; r < names.size(); ++r) {
        auto* head = new QTableWidgetItem(r == 0 ? tr("V0 (response spectrum)") : names[r]);
        head->setData(Qt::UserRole, names[r]);
        shearTable_->setVerticalHeaderItem(r, head);
        shearTable_->setItem(r, 0, new QTableWidgetItem(typed.value(names[r])));
    }
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
    debounce_.start();
}

void CheckRecordsWindow::startCheck()
{
    debounce_.stop();
    // One run at a time: a change during a run asks for another after it.
    if (running_) {
        rerun_ = true;
        return;
    }
    const int chosen = targetBox_->currentIndex();
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= targets_.size()) {
        showRefusal(tr("No code spectrum in the set: create one to check the records against."));
        return;
    }
    if (records_.isEmpty()) {
        showRefusal(noRecordsLabel_->text());
        return;
    }
    const MainPeriodsReading periods = readMainPeriods(periodsEdit_->text());
    if (!periods.accepted()) {
        showRefusal(periods.refusal);
        return;
    }
    const BaseShearsReading shears = readBaseShears(shearCells());
    if (!shears.accepted()) {
        showRefusal(shears.refusal);
        return;
    }
    const TargetCopy& target = targets_[static_cast<std::size_t>(chosen)];
    SelectionCheckInput input;
    input.intensityIndex = target.intensityIndex;
    input.actionIndex = target.actionIndex;
    input.mainPeriods = periods.periods;
    input.baseShears = shears.shears;
    for (const CheckRecordChoice& record : records_) {
        if (record.checked)
            input.records.push_back({record.name.toStdString(), !record.natural, record.acceleration, record.step});
    }
    running_ = true;
    runningPeriodTexts_ = periods.texts;
    shownTarget_ = target.name;
    // Long records take a while: the run reads only its own copies.
    watcher_.setFuture(QtConcurrent::run([spectrum = target.spectrum, input = std::move(input)] {
        return runSelectionCheck(*spectrum, input, chartPeriods());
    }));
}

void CheckRecordsWindow::checkFinished()
{
    if (!running_ || !watcher_.isFinished())
        return;
    running_ = false;
    SelectionCheckOutcome outcome = watcher_.result();
    if (rerun_) {
        rerun_ = false;
        startCheck();
        return;
    }
    if (outcome.check)
        showOutcome(std::move(outcome), runningPeriodTexts_);
    else
        showRefusal(QString::fromStdString(outcome.refusal));
}

void CheckRecordsWindow::finishPendingCheck()
{
    if (debounce_.isActive())
        startCheck();
    while (running_) {
        watcher_.waitForFinished();
        checkFinished();
    }
}

QString CheckRecordsWindow::refusal() const
{
    return refusal_;
}

void CheckRecordsWindow::showOutcome(SelectionCheckOutcome outcome, const QStringList& periodTexts)
{
    shown_ = std::move(outcome);
    shownPeriodTexts_ = periodTexts;
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
    QList<QStringList> rows;
    if (!shown_.check)
        return rows;
    const SelectionCheck& check = *shown_.check;
    const QLocale locale;
    const auto n = [&locale](double value) { return checkFigureNumber(value, locale); };
    QStringList header{tr("Record"), tr("Kind"), tr("Peak (cm/s²)"), tr("Effective duration (s)")};
    for (std::size_t k = 0; k < check.mainPeriods.size(); ++k) {
        const QString period = static_cast<qsizetype>(k) < shownPeriodTexts_.size()
                                   ? shownPeriodTexts_[static_cast<qsizetype>(k)]
                                   : n(check.mainPeriods[k]);
        header << tr("αr/α at T%1 = %2 s").arg(k + 1).arg(period);
    }
    rows << header;
    for (const RecordFigures& record : check.records) {
        QStringList row{QString::fromStdString(record.name), record.artificial ? tr("artificial") : tr("natural"),
                        n(record.peakCm), n(record.effectiveDuration)};
        for (double ratio : record.ratio)
            row << n(ratio);
        rows << row;
    }
    QStringList mean{tr("Mean"), QString(), QString(), QString()};
    for (double ratio : check.meanRatio)
        mean << n(ratio);
    rows << mean;
    return rows;
}

QString CheckRecordsWindow::verdictCheckName(const CheckVerdict& v) const
{
    const SelectionCheck& check = *shown_.check;
    const QString record =
        v.record >= 0 ? QString::fromStdString(check.records[static_cast<std::size_t>(v.record)].name) : QString();
    switch (v.kind) {
    case CheckKind::Count:
        return tr("Number of records");
    case CheckKind::NaturalShare:
        return tr("Recorded and artificial");
    case CheckKind::Spectrum:
        return tr("Spectrum at T%1 = %2 s")
            .arg(v.period + 1)
            .arg(v.period < shownPeriodTexts_.size() ? shownPeriodTexts_[v.period]
                                                     : checkFigureNumber(check.mainPeriods[static_cast<std::size_t>(v.period)], QLocale()));
    case CheckKind::Duration:
        return tr("Effective duration: %1").arg(record);
    case CheckKind::Peak:
        return tr("Peak: %1").arg(record);
    case CheckKind::BaseShear:
        return tr("Base shear: %1").arg(record);
    case CheckKind::BaseShearMean:
        return tr("Mean base shear");
    }
    return QString();
}

QList<QStringList> CheckRecordsWindow::shownVerdictRows() const
{
    QList<QStringList> rows;
    if (!shown_.check)
        return rows;
    const SelectionCheck& check = *shown_.check;
    for (const CheckVerdict& v : check.verdicts)
        rows << QStringList{verdictCheckName(v), verdictText(v.verdict),
                            checkFigureText(check, v, QLocale(), FigureWords::Translated)};
    return rows;
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

void CheckRecordsWindow::drawChart()
{
    chart_->removeAllCurves();
    chart_->removeTemporaryCurve(meanCurveName());
    const int chosen = targetBox_->currentIndex();
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < targets_.size()) {
        const TargetCopy& target = targets_[static_cast<std::size_t>(chosen)];
        QList<QPointF> points;
        for (const SpectrumPoint& p : sampleCurve(*target.spectrum))
            points.append(QPointF(p.period, p.alpha));
        chart_->addCurve(target.name, points);
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
    const QList<QStringList> rows = installedLanguage() == Language::English
                                        ? checkSheetRows(*shown_.check, QLocale(), shownPeriodTexts_)
                                        : shownRecordRows() + QList<QStringList>{QStringList()} + shownVerdictRows();
    QGuiApplication::clipboard()->setMimeData(tableMimeData(rows, true));
}

namespace {

void prepareCheckPrinter(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    // The print preview's title and the document's name.
    printer.setDocName(CheckRecordsWindow::tr("Record selection check"));
    printer.setCreator(QStringLiteral("Kavrel_Spect"));
}

QList<QColor> verdictFills(const SelectionCheck& check)
{
    QList<QColor> fills;
    for (const CheckVerdict& v : check.verdicts)
        fills << verdictFill(v.verdict);
    return fills;
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
    printCheckSheet(&printer, chart_, shownRecordRows(), shownVerdictRows(), verdictFills(*shown_.check));
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
            printCheckSheet(target, chart_, shownRecordRows(), shownVerdictRows(), verdictFills(*shown_.check));
        })();
    });
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
    debounce_.stop();
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
