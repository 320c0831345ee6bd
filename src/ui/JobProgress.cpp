#include "ui/JobProgress.h"

#include <QMutexLocker>
#include <QProgressDialog>

#include <utility>

JobProgress::JobProgress(QWidget* parent, const Look& look) : QObject(parent)
{
    dialog_ = new QProgressDialog(parent);
    dialog_->setObjectName(look.objectName);
    dialog_->setWindowTitle(look.title);
    dialog_->setLabelText(look.label);
    dialog_->setCancelButtonText(tr("Cancel"));
    dialog_->setRange(0, look.maximum);
    // Closed by finish() only: an end that Qt decides would race the job's own.
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(look.showAfter);
    dialog_->setWindowModality(Qt::WindowModal);
    connect(dialog_, &QProgressDialog::canceled, this, [this] {
        cancelled_ = true;
        emit cancelRequested();
    });
    dialog_->setValue(0);
}

JobProgress::~JobProgress()
{
    finished_ = true;
    dispose();
}

QProgressDialog* JobProgress::dialog() const
{
    return dialog_;
}

void JobProgress::report(int value, const QString& label)
{
    {
        const QMutexLocker lock(&pendingLock_);
        pendingValue_ = value;
        if (!label.isEmpty())
            pendingLabel_ = label;
    }
    if (!queued_.exchange(true))
        QMetaObject::invokeMethod(this, [this] { showReports(); }, Qt::QueuedConnection);
}

void JobProgress::showReports()
{
    queued_ = false;
    // A report that arrives while setValue runs the event loop is shown by
    // the update already on the stack, after setValue has returned.
    if (updating_ > 0) {
        again_ = true;
        return;
    }
    ++updating_;
    do {
        again_ = false;
        int value = 0;
        QString label;
        {
            const QMutexLocker lock(&pendingLock_);
            value = pendingValue_;
            label = std::exchange(pendingLabel_, QString());
        }
        if (!dialog_ || finished_)
            break;
        if (!label.isEmpty())
            dialog_->setLabelText(label);
        if (dialog_ && !finished_)
            dialog_->setValue(value);
    } while (again_);
    --updating_;
    if (finished_)
        end();
}

void JobProgress::finish()
{
    finished_ = true;
    // During an update of ours the dialog is still in use: the update
    // disposes of it once setValue has returned.
    if (updating_ == 0)
        end();
}

void JobProgress::end()
{
    dispose();
    deleteLater();
}

void JobProgress::dispose()
{
    if (!dialog_)
        return;
    QProgressDialog* dialog = dialog_;
    dialog_ = nullptr;
    dialog->hide();
    dialog->deleteLater();
}
