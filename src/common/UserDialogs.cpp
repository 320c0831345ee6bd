#include "common/UserDialogs.h"

#include <cstdio>

UserDialogs::~UserDialogs() = default;

std::optional<SaveFileAnswer> UserDialogs::askSaveFile(const SaveFileRequest& request)
{
    const std::optional<QString> fileName = askSaveFileName(request);
    if (!fileName)
        return std::nullopt;
    return SaveFileAnswer{*fileName, request.filter};
}

std::optional<QString> UserDialogs::askOpenFileName(const OpenFileRequest&)
{
    return std::nullopt;
}

QStringList UserDialogs::askOpenFileNames(const OpenFileRequest& request)
{
    const std::optional<QString> one = askOpenFileName(request);
    return one && !one->isEmpty() ? QStringList{*one} : QStringList{};
}

std::optional<QString> UserDialogs::askFolder(const OpenFileRequest&)
{
    return std::nullopt;
}

UserDialogs::SaveChoice UserDialogs::askSaveChanges(const QString&)
{
    return SaveChoice::Cancel;
}

namespace {

// Used before the application installs its own: keeps messages visible
// without a window and never writes a file on its own.
class StderrDialogs final : public UserDialogs {
public:
    void warning(const QString& text) override { print("warning", text); }
    void information(const QString& text) override { print("information", text); }
    void error(const QString& text) override { print("error", text); }
    void messageBox(const QString& text, const QString& caption, MessageIcon) override { print(caption, text); }
    bool question(const QString& text) override
    {
        print("question", text);
        return false;
    }
    std::optional<QString> askSaveFileName(const SaveFileRequest&) override { return std::nullopt; }
    void openUrl(const QString& address) override { print("open", address); }
    bool openDocument(const QString& path) override
    {
        print("open", path);
        return false;
    }

private:
    static void print(const QString& kind, const QString& text)
    {
        std::fprintf(stderr, "%s: %s\n", kind.toLocal8Bit().constData(), text.toLocal8Bit().constData());
    }
};

StderrDialogs fallbackDialogs;
UserDialogs* installed = nullptr;

} // namespace

UserDialogs& userDialogs()
{
    return installed ? *installed : fallbackDialogs;
}

UserDialogs* setUserDialogs(UserDialogs* dialogs)
{
    UserDialogs* previous = installed;
    installed = dialogs;
    return previous;
}
