#pragma once

#include "records/SetContents.h"
#include "ui/CheckRecordsWindow.h"
#include "ui/SetViews.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class ChartControl;
class CheckListBox;
class CheckRecordsWindow;
class SpectrumSet;
struct MeanCurveToKeep;

// Edit > Check Records...: opens the check window over the set's code
// spectra and records, keeps offering it what the set holds, draws the
// window's mean on the main chart while the window is open, and adds a kept
// mean to the set.
class CheckCommands : public QObject {
    Q_OBJECT
public:
    // `tell` shows a short note to the user (the window's status bar).
    CheckCommands(SpectrumSet& set, ChartControl* chart, const CheckListBox* list, QWidget* window,
                  std::function<void(const QString&)> tell);
    ~CheckCommands() override;

    // Opens the window (or brings it forward) with the set's spectra.
    void openCheckRecords();
    // The window's inputs as the set file keeps them (the modes only where
    // the check takes them), and taking up those of a file just opened.
    SetCheckInputs savedInputs() const;
    void takeSavedInputs(const SetCheckInputs& saved);
    // Null while the window is not open.
    CheckRecordsWindow* window() const { return window_; }

private:
    void offerTargets();
    void keepMeanCurve(const MeanCurveToKeep& curve);

    SpectrumSet& set_;
    ChartControl* chart_;
    const CheckListBox* list_;
    QWidget* owner_;
    std::function<void(const QString&)> tell_;
    QPointer<CheckRecordsWindow> window_;
    // The window's inputs while it is closed; an emptied set forgets them.
    CheckWindowInputs inputs_;
    // An open window offers the set's spectra as they are now.
    SetChangeNotifier setChanged_;
};
