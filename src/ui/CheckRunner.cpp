#include "ui/CheckRunner.h"

#include "ui/KavrelApplication.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

CheckRunner::CheckRunner(Prepare prepare, int pauseMs, QObject* parent) : QObject(parent), prepare_(std::move(prepare))
{
    pause_.setSingleShot(true);
    pause_.setInterval(pauseMs);
    connect(&pause_, &QTimer::timeout, this, guarded([this] { start(); }));
    connect(&watcher_, &QFutureWatcher<SelectionCheckOutcome>::finished, this, guarded([this] { runEnded(); }));
}

CheckRunner::~CheckRunner()
{
    watcher_.waitForFinished();
}

void CheckRunner::schedule()
{
    if (!stopped_)
        pause_.start();
}

void CheckRunner::stop()
{
    stopped_ = true;
    pause_.stop();
    rerun_ = false;
}

void CheckRunner::start()
{
    pause_.stop();
    if (stopped_)
        return;
    if (running_) {
        rerun_ = true;
        return;
    }
    Prepared prepared = prepare_();
    if (!prepared.job) {
        emit refused(prepared.refusal);
        return;
    }
    running_ = true;
    runningJob_ = std::move(*prepared.job);
    // Long records take a while: the run reads only its own copies. The
    // records' samples move to it; the rest of the input stays with the job
    // for the window (the structure's modes, the limits).
    SelectionCheckInput runInput = runningJob_.input;
    runInput.records = std::move(runningJob_.input.records);
    watcher_.setFuture(QtConcurrent::run(
        [target = runningJob_.target, input = std::move(runInput), periods = runningJob_.chartPeriods] {
            return runSelectionCheck(*target, input, periods);
        }));
}

void CheckRunner::runEnded()
{
    if (!running_ || !watcher_.isFinished())
        return;
    running_ = false;
    const SelectionCheckOutcome outcome = watcher_.result();
    if (stopped_)
        return;
    if (rerun_) {
        rerun_ = false;
        start();
        return;
    }
    emit finished(outcome, runningJob_);
}

void CheckRunner::finishPending()
{
    if (pause_.isActive())
        start();
    while (running_) {
        watcher_.waitForFinished();
        runEnded();
    }
}
