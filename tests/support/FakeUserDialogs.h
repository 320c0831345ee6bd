#pragma once

#include "common/UserDialogs.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

// Records every message and answers every question from a script, so that a
// test sees what the user would have seen and no modal window ever opens.
// Installed for its lifetime as the program's dialogs.
class FakeUserDialogs final : public UserDialogs {
public:
    struct Box {
        QString kind;  // "warning", "information", "error", "box", "question"
        QString text;
        QString caption;
        MessageIcon icon = MessageIcon::None;
    };

    FakeUserDialogs() : previous_(setUserDialogs(this)) {}
    ~FakeUserDialogs() override { setUserDialogs(previous_); }
    FakeUserDialogs(const FakeUserDialogs&) = delete;
    FakeUserDialogs& operator=(const FakeUserDialogs&) = delete;

    void warning(const QString& text) override { record({"warning", text, {}, MessageIcon::None}); }
    void information(const QString& text) override { record({"information", text, {}, MessageIcon::None}); }
    void error(const QString& text) override { record({"error", text, {}, MessageIcon::None}); }
    void messageBox(const QString& text, const QString& caption, MessageIcon icon) override
    {
        record({"box", text, caption, icon});
    }
    bool question(const QString& text) override
    {
        record({"question", text, {}, MessageIcon::None});
        if (questionAnswers.empty())
            return false;
        const bool answer = questionAnswers.front();
        questionAnswers.pop_front();
        return answer;
    }
    std::optional<QString> askSaveFileName(const SaveFileRequest& request) override
    {
        saveRequests.push_back(request);
        if (saveAnswers.empty() || !saveAnswers.front().has_value()) {
            if (!saveAnswers.empty())
                saveAnswers.pop_front();
            return std::nullopt;
        }
        // Only the name is taken out, never a copy of the optional itself:
        // at -O3, g++ 12 cannot follow a copied std::optional<QString>'s
        // engaged flag and warns that its text may be uninitialised.
        QString name = std::move(*saveAnswers.front());
        saveAnswers.pop_front();
        return name;
    }
    std::optional<SaveFileAnswer> askSaveFile(const SaveFileRequest& request) override
    {
        const std::optional<QString> fileName = askSaveFileName(request);
        if (!fileName)
            return std::nullopt;
        QString filter = request.filter;
        if (!filterAnswers.empty()) {
            filter = filterAnswers.front();
            filterAnswers.pop_front();
        }
        return SaveFileAnswer{*fileName, filter};
    }
    std::optional<QString> askOpenFileName(const OpenFileRequest& request) override
    {
        openRequests.push_back(request);
        if (openAnswers.empty())
            return std::nullopt;
        // The name alone is taken out: a copied std::optional<QString> draws
        // a false "may be uninitialised" warning from g++ 12 at -O3.
        std::optional<QString> answer;
        if (openAnswers.front())
            answer = std::move(*openAnswers.front());
        openAnswers.pop_front();
        return answer;
    }
    QStringList askOpenFileNames(const OpenFileRequest& request) override
    {
        openRequests.push_back(request);
        if (openFilesAnswers.empty())
            return {};
        QStringList answer = openFilesAnswers.front();
        openFilesAnswers.pop_front();
        return answer;
    }
    std::optional<QString> askFolder(const OpenFileRequest& request) override
    {
        openRequests.push_back(request);
        if (folderAnswers.empty())
            return std::nullopt;
        const QString answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    SaveChoice askSaveChanges(const QString& text) override
    {
        saveChangesQuestions << text;
        if (saveChangesAnswers.empty())
            return SaveChoice::Cancel;
        const SaveChoice answer = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return answer;
    }
    void openUrl(const QString& address) override { openedUrls << address; }
    bool openDocument(const QString& path) override
    {
        openedDocuments << path;
        return documentOpener ? documentOpener(path) : true;
    }

    // Texts of all boxes shown so far, in order.
    QStringList texts() const
    {
        QStringList list;
        for (const auto& box : boxes)
            list << box.text;
        return list;
    }

    std::deque<Box> boxes;
    std::deque<SaveFileRequest> saveRequests;
    std::deque<std::optional<QString>> saveAnswers;  // nullopt answers "cancel"
    std::deque<bool> questionAnswers;                // "No" when empty
    std::deque<QString> filterAnswers;  // file types picked; none left: the one offered first
    std::deque<OpenFileRequest> openRequests;
    std::deque<std::optional<QString>> openAnswers;  // nullopt answers "cancel"
    std::deque<QStringList> openFilesAnswers;        // several files; empty answers "cancel"
    std::deque<QString> folderAnswers;               // none left answers "cancel"
    QStringList saveChangesQuestions;
    std::deque<SaveChoice> saveChangesAnswers;       // none left answers Cancel
    QStringList openedUrls;
    QStringList openedDocuments;  // every document handed over, opened or not
    // Answers whether the desktop opened a document; without it every one opens.
    std::function<bool(const QString&)> documentOpener;
    // Told of every box as it is shown, to look at the program's state then.
    std::function<void(const Box&)> onBox;

private:
    void record(Box box)
    {
        boxes.push_back(std::move(box));
        if (onBox)
            onBox(boxes.back());
    }

    UserDialogs* previous_;
};
