#pragma once

#include "common/UserDialogs.h"

#include <QMessageBox>

// The dialogs the running program shows: Qt message boxes captioned with the
// application title, Qt's own save-file dialog, and the desktop's handlers
// for web pages and documents. Install it in main() with setUserDialogs().
class QtUserDialogs final : public UserDialogs {
public:
    void warning(const QString& text) override;
    void information(const QString& text) override;
    void error(const QString& text) override;
    void messageBox(const QString& text, const QString& caption, MessageIcon icon) override;
    bool question(const QString& text) override;
    std::optional<QString> askSaveFileName(const SaveFileRequest& request) override;
    // With several file types, the default suffix follows the type picked.
    std::optional<SaveFileAnswer> askSaveFile(const SaveFileRequest& request) override;
    std::optional<QString> askOpenFileName(const OpenFileRequest& request) override;
    QStringList askOpenFileNames(const OpenFileRequest& request) override;
    std::optional<QString> askFolder(const OpenFileRequest& request) override;
    SaveChoice askSaveChanges(const QString& text) override;
    // A bare host name is opened as an http page; nothing happens for an
    // address that is not one, and a failure to open is not reported.
    void openUrl(const QString& address) override;
    // False when the desktop did not take the file. On Linux desktops the
    // file goes to xdg-open, whose exit status is waited for a few seconds
    // (it fails when no program handles the type; one still running then is
    // taken as a success); elsewhere what QDesktopServices answers.
    bool openDocument(const QString& path) override;
};

// Qt's icon for a box's icon.
QMessageBox::Icon messageBoxIcon(MessageIcon icon);
