#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>

class QProgressDialog;
class QWidget;

// The progress window of one long job that runs on a worker thread (reading
// records, generating artificial ones, and every window that comes with long
// work): the one way a window shows such work.
//
// QProgressDialog::setValue runs the event loop when the dialog is modal, so
// the job's end (and with it the code that would delete the window) can be
// delivered while setValue still uses the dialog. This owner therefore never
// deletes the dialog itself: finish() closes it and hands it to deleteLater()
// only when no update of its own is on the stack, and every update the
// worker queued afterwards finds the dialog gone through a guard. The dialog
// has no delete-on-close; Cancel only raises cancelled().
//
// Made with new, a child of the window it shows over. The worker calls
// report() and cancelled() from its thread; everything else runs on the GUI
// thread. finish(), after the worker's last report, ends it: it deletes
// itself, with its dialog, once nothing of its own is on the stack; keep a
// QPointer to it, never delete it.
class JobProgress : public QObject {
    Q_OBJECT
public:
    struct Look {
        const char* objectName = "";
        QString title;
        QString label;
        int maximum = 0;
        // Milliseconds before the window shows: short jobs never show it.
        int showAfter = 0;
    };

    JobProgress(QWidget* parent, const Look& look);
    ~JobProgress() override;

    // Any thread: the job's latest value, and its label when not empty. A
    // burst of reports is shown once, with the latest of them.
    void report(int value, const QString& label = QString());
    // Any thread: whether the user has cancelled the job.
    bool cancelled() const { return cancelled_; }

    // After the worker's last report: closes the window for good and lets
    // the owner go.
    void finish();
    // The window while the job runs; null once it has finished.
    QProgressDialog* dialog() const;

signals:
    void cancelRequested();

private:
    void showReports();
    void dispose();
    void end();

    QPointer<QProgressDialog> dialog_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> queued_{false};
    QMutex pendingLock_;
    int pendingValue_ = 0;
    QString pendingLabel_;
    int updating_ = 0;
    bool again_ = false;
    bool finished_ = false;
};
