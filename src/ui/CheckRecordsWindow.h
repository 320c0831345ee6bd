#pragma once

#include "records/SelectionCheckRun.h"
#include "ui/CheckRunner.h"
#include "ui/ReportPrinter.h"
#include "ui/Retranslator.h"
#include "ui/StructurePanel.h"
#include "ui/TargetChoice.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ChartControl;
class CheckChartMarks;
class KavrelSpectrum;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// A code spectrum the selection may be checked against. The window keeps its
// own copy of the spectrum.
using CheckTargetChoice = TargetChoice;

// A record that may be chosen: already scaled, in g.
struct CheckRecordChoice {
    CheckRecordChoice() = default;
    CheckRecordChoice(QString name, bool natural, std::vector<double> acceleration, double step, bool checked = true,
                      QString file = QString(), double scaleFactor = 1.0)
        : name(std::move(name)), natural(natural), acceleration(std::move(acceleration)), step(step),
          checked(checked), file(std::move(file)), scaleFactor(scaleFactor)
    {
    }

    QString name;
    bool natural = true;
    std::vector<double> acceleration;
    double step = 0.0;
    bool checked = true;
    QString file;  // empty for a generated record
    double scaleFactor = 1.0;
};

// The mean curve the user keeps: the chosen records' mean spectrum, at the
// target's damping, with the records' names.
struct MeanCurveToKeep {
    QString name;
    QList<double> periods;
    QList<double> values;
    double damping = 0.05;
    QStringList recordNames;
};

// What the user typed and chose in the check window, kept with the set while
// the window is closed: the main periods as typed, the base shears by record
// name (V0 under the empty name), the records ticked or unticked there and
// the structure's modes.
struct CheckWindowInputs {
    QString mainPeriods;
    QMap<QString, QString> baseShears;
    QMap<QString, bool> ticks;
    StructureTyped structure;
};

// Edit > Check Records...: the code's checks of a record selection (GB 50011
// §5.1.2) against a target spectrum, recomputed as the inputs change. The
// window knows nothing of the set: it is given its choices, and tells of the
// mean spectrum of the chosen records through signals.
class CheckRecordsWindow : public QDialog {
    Q_OBJECT
public:
    explicit CheckRecordsWindow(QWidget* parent = nullptr);
    ~CheckRecordsWindow() override;

    // The first target is chosen, unless the one chosen before is still
    // offered under its name.
    void setTargets(const QList<CheckTargetChoice>& targets);
    void setRecords(const QList<CheckRecordChoice>& records);

    // What to give the next window, and taking it up (after setRecords).
    CheckWindowInputs inputs() const;
    void restoreInputs(const CheckWindowInputs& inputs);

    // The mean curve's title.
    static QString meanCurveName();

    // Runs a pending recomputation now and waits for it: before printing or
    // copying, and for tests, which must not wait on a clock.
    void finishPendingCheck();

    // The last check shown; empty while an input is refused.
    const std::optional<SelectionCheck>& check() const { return shown_.check; }
    QString refusal() const;

    void copySheet();
    void printSheet();
    void previewSheet();
    void keepMean();

signals:
    // The chosen records' mean spectrum at the chart's periods, whenever it
    // changes; empty values when there is none (a refused input).
    void meanCurveChanged(const QString& name, const QList<double>& periods, const QList<double>& values);
    // The user asks for the mean curve to stay after the window has gone.
    void keepMeanCurve(const MeanCurveToKeep& curve);
    void closed();

public slots:
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    struct TargetCopy {
        QString name;
        std::shared_ptr<const KavrelSpectrum> spectrum;
        int intensityIndex;
        int actionIndex;
        SpectrumOrigin origin;
    };

    void buildInputs();
    void buildResults();
    void scheduleCheck();
    CheckRunner::Prepared prepareCheck() const;
    void showOutcome(const SelectionCheckOutcome& outcome, const CheckJob& job);
    void showRefusal(const QString& reason);
    void fillRecordList();
    void fillShearRows();
    void fillTables();
    void showModeContributions();
    void drawChart();
    void showTexts();
    QStringList shearCells() const;
    QList<QStringList> shownRecordRows() const;
    QList<QStringList> shownVerdictRows() const;
    QString summary() const;
    QStringList sheetHeading() const;
    CheckSheetPrint sheetToPrint() const;
    bool haveCheckOrSay();

    Retranslator texts_;
    QComboBox* targetBox_ = nullptr;
    QLineEdit* periodsEdit_ = nullptr;
    QListWidget* recordList_ = nullptr;
    QLabel* noRecordsLabel_ = nullptr;
    QTableWidget* shearTable_ = nullptr;
    QLabel* shearLabel_ = nullptr;
    StructurePanel* structure_ = nullptr;
    QLabel* modalInfoLabel_ = nullptr;
    QLabel* refusalLabel_ = nullptr;
    QLabel* summaryLabel_ = nullptr;
    ChartControl* chart_ = nullptr;
    CheckChartMarks* marks_ = nullptr;
    QTableWidget* recordTable_ = nullptr;
    QTableWidget* verdictTable_ = nullptr;
    QPushButton* keepButton_ = nullptr;

    std::vector<TargetCopy> targets_;
    QList<CheckRecordChoice> records_;
    CheckRunner* runner_ = nullptr;
    CheckWindowInputs inputs_;
    QString refusal_;
    SelectionCheckOutcome shown_;
    // What the shown check read besides its records: its structure and
    // limits, for the modes' contributions and the sheet.
    SelectionCheckInput shownInput_;
    QStringList shownPeriodTexts_;
    QString shownTarget_;
};
