#include "ui/QtUserDialogs.h"

#include "common/SaveDialog.h"
#include "common/WebAddress.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>

namespace {

// How long the desktop's opener may take to say whether it took a file.
constexpr int openerWaitTime = 5000;  // ms

// Boxes belong to whatever window the user is working in.
QWidget* boxOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void showBox(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, boxOwner());
    box.exec();
}

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}

} // namespace

void QtUserDialogs::warning(const QString& text)
{
    showBox(QMessageBox::Warning, applicationTitle(), text);
}

void QtUserDialogs::information(const QString& text)
{
    showBox(QMessageBox::NoIcon, applicationTitle(), text);
}

void QtUserDialogs::error(const QString& text)
{
    showBox(QMessageBox::Critical, applicationTitle(), text);
}

void QtUserDialogs::messageBox(const QString& text, const QString& caption, MessageIcon icon)
{
    showBox(messageBoxIcon(icon), caption, text);
}

bool QtUserDialogs::question(const QString& text)
{
    QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, boxOwner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserDialogs::askSaveFileName(const SaveFileRequest& request)
{
    const std::optional<SaveFileAnswer> answer = askSaveFile(request);
    if (!answer)
        return std::nullopt;
    return answer->fileName;
}

std::optional<SaveFileAnswer> QtUserDialogs::askSaveFile(const SaveFileRequest& request)
{
    QFileDialog dialog(boxOwner());
    // Qt's own dialog honours the default suffix before it asks about
    // overwriting, on every desktop. It has no read-only box to hide.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        if (!request.filter.isEmpty())
            dialog.selectNameFilter(request.filter);
        // "model" typed with the MIDAS type chosen must become model.sgs.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(filterSuffix(filter));
        });
    } else if (!request.filter.isEmpty()) {
        dialog.setNameFilter(request.filter);
    }
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return SaveFileAnswer{chosen.first(), dialog.selectedNameFilter()};
}

namespace {

QStringList askOpenFiles(QWidget* owner, const OpenFileRequest& request, QFileDialog::FileMode mode)
{
    QFileDialog dialog(owner);
    // The same dialog as for saving, so that both look alike everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    if (!request.filters.isEmpty())
        dialog.setNameFilters(request.filters);
    else if (!request.filter.isEmpty())
        dialog.setNameFilters({request.filter, QCoreApplication::translate("QtUserDialogs", "All files (*)")});
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

std::optional<QString> QtUserDialogs::askOpenFileName(const OpenFileRequest& request)
{
    const QStringList files = askOpenFiles(boxOwner(), request, QFileDialog::ExistingFile);
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

QStringList QtUserDialogs::askOpenFileNames(const OpenFileRequest& request)
{
    return askOpenFiles(boxOwner(), request, QFileDialog::ExistingFiles);
}

std::optional<QString> QtUserDialogs::askFolder(const OpenFileRequest& request)
{
    const QStringList folders = askOpenFiles(boxOwner(), request, QFileDialog::Directory);
    if (folders.isEmpty())
        return std::nullopt;
    return folders.first();
}

UserDialogs::SaveChoice QtUserDialogs::askSaveChanges(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, boxOwner());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

void QtUserDialogs::openUrl(const QString& address)
{
    const QUrl url = browserUrl(address);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

bool QtUserDialogs::openDocument(const QString& path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices only starts xdg-open and calls that a success, so a
    // desktop with no program for the type would pass unnoticed.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({QFileInfo(path).absoluteFilePath()});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    // Left running past the wait, it removes itself when it ends.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
    if (!process->waitForStarted(openerWaitTime))
        return false;
    // Some openers stay until the program they started ends: one still
    // running has handed the file on.
    if (!process->waitForFinished(openerWaitTime))
        return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

QMessageBox::Icon messageBoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
