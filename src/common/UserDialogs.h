#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Everything the program asks of the user or of the desktop goes through this
// one interface: modal message boxes, the save-file question, and handing a
// web address or a document to the desktop. The program installs the Qt
// implementation; tests install a scripted fake, so no test opens a window.
struct SaveFileRequest {
    QString title;
    QString filter;         // the file type chosen at first, e.g. "Bitmaps (*.bmp)"
    QStringList filters;    // every file type offered, `filter` among them; empty: `filter` alone
    QString defaultSuffix;  // added when the typed name has none; with several
                            // file types, the one of the type the user picks
    QString initialDir;
    QString fileName;       // proposed name
    bool confirmOverwrite = true;
};

struct SaveFileAnswer {
    QString fileName;
    QString filter;  // the file type the user picked
};

struct OpenFileRequest {
    QString title;
    QString filter;      // e.g. "Kavrel_Spect sets (*.kspect)"
    QString initialDir;
    // Every file type offered, `filter` first; empty: `filter` and all files.
    QStringList filters;
};

// The icon of a box with its own caption; the values are those of the
// platform message box's icon flags.
enum class MessageIcon { None = 0, Error = 0x10, Question = 0x20, Warning = 0x30, Information = 0x40 };

class UserDialogs {
public:
    // The answers to "save the changes first?".
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~UserDialogs();

    // Modal warning with one OK button (refused input, model warnings).
    virtual void warning(const QString& text) = 0;
    // Plain box with the application title as caption and one OK button.
    virtual void information(const QString& text) = 0;
    // The general error handler's box for an error that ended a command.
    virtual void error(const QString& text) = 0;
    // A box with its own caption and icon, and one OK button.
    virtual void messageBox(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // A question with Yes and No, captioned with the application title;
    // true when the user answers Yes.
    virtual bool question(const QString& text) = 0;
    // Asks for a file name to save to; nothing when the user cancels.
    virtual std::optional<QString> askSaveFileName(const SaveFileRequest& request) = 0;
    // The same, also telling which of the request's file types the user
    // picked. Unless overridden: askSaveFileName, with the first file type.
    virtual std::optional<SaveFileAnswer> askSaveFile(const SaveFileRequest& request);
    // Asks for an existing file to open; nothing when the user cancels. One
    // that cannot ask (no window) answers cancel.
    virtual std::optional<QString> askOpenFileName(const OpenFileRequest& request);
    // Asks for one or more existing files to open; empty when the user
    // cancels. Unless overridden: askOpenFileName's one file.
    virtual QStringList askOpenFileNames(const OpenFileRequest& request);
    // Asks for an existing folder (the request's title and initialDir);
    // nothing when the user cancels or when it cannot ask.
    virtual std::optional<QString> askFolder(const OpenFileRequest& request);
    // Asks whether to save changes before they would be lost, with the three
    // answers Save, Discard and Cancel. One that cannot ask answers Cancel,
    // so that nothing is lost unasked.
    virtual SaveChoice askSaveChanges(const QString& text);
    // Hands a web address to the desktop's browser.
    virtual void openUrl(const QString& address) = 0;
    // Hands a local document (or a folder) to the desktop's program for its
    // type; false when the desktop has none or cannot start it.
    virtual bool openDocument(const QString& path) = 0;
};

// The interface the whole program reports through. Until one is installed,
// messages go to the standard error stream and questions are answered "cancel".
UserDialogs& userDialogs();

// Installs `dialogs` (not owned) and returns the one it replaces; nullptr
// restores the fallback.
UserDialogs* setUserDialogs(UserDialogs* dialogs);
