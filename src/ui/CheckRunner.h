#pragma once

#include "records/SelectionCheckRun.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One run of the check as the window asks for it: copies of everything the
// worker reads, and what the window shows beside the result.
struct CheckJob {
    std::shared_ptr<const KavrelSpectrum> target;
    // Its records go to the run: a finished job holds the rest.
    SelectionCheckInput input;
    std::vector<double> chartPeriods;
    QString targetName;
    QStringList periodTexts;  // the main periods as typed
};

// The check window's worker: a change asks for a run, which starts once the
// changes pause; one run at a time, a change during a run asks for one more
// after it. The window's inputs are read when the run starts, on the GUI
// thread, through `prepare`: it gives the job, or a refusal to show instead.
class CheckRunner : public QObject {
    Q_OBJECT
public:
    struct Prepared {
        std::optional<CheckJob> job;
        QString refusal;
    };
    using Prepare = std::function<Prepared()>;

    CheckRunner(Prepare prepare, int pauseMs, QObject* parent = nullptr);
    // A run still going is waited for: it reads its own copies only.
    ~CheckRunner() override;

    // The inputs have changed.
    void schedule();
    // A run asked for now, and waited for with the ones after it: before
    // printing or copying, and for tests, which must not wait on a clock.
    void finishPending();
    // No run starts after this; one going is finished but not shown.
    void stop();
    bool isRunning() const { return running_; }

signals:
    // A finished run (its outcome may be a refusal of the core's).
    void finished(const SelectionCheckOutcome& outcome, const CheckJob& job);
    // The inputs were refused before a run could start.
    void refused(const QString& reason);

private:
    void start();
    void runEnded();

    Prepare prepare_;
    QTimer pause_;
    QFutureWatcher<SelectionCheckOutcome> watcher_;
    CheckJob runningJob_;
    bool running_ = false;
    bool rerun_ = false;
    bool stopped_ = false;
};
