#pragma once

#include "common/UserDialogs.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <deque>
#include <optional>

// Records every message and answers every question from a script, so that a
// test sees what the user would have seen and no modal window ever opens.
// Installed for its lifetime as the program's dialogs.
class FakeUserDialogs final : public UserDialogs {
public:
    struct Box {
        QString kind;  // "warning", "information", "error", "box"
        QString text;
        QString caption;
        int flags = 0;
    };

    FakeUserDialogs() : previous_(setUserDialogs(this)) {}
    ~FakeUserDialogs() override { setUserDialogs(previous_); }
    FakeUserDialogs(const FakeUserDialogs&) = delete;
    FakeUserDialogs& operator=(const FakeUserDialogs&) = delete;

    void warning(const QString& text) override { boxes.push_back({"warning", text, {}, 0}); }
    void information(const QString& text) override { boxes.push_back({"information", text, {}, 0}); }
    void error(const QString& text) override { boxes.push_back({"error", text, {}, 0}); }
    void messageBox(const QString& text, const QString& caption, int flags) override
    {
        boxes.push_back({"box", text, caption, flags});
    }
    std::optional<QString> askSaveFileName(const SaveFileRequest& request) override
    {
        saveRequests.push_back(request);
        if (saveAnswers.empty())
            return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
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
    void openDocument(const QString& path) override { openedDocuments << path; }

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
    std::deque<OpenFileRequest> openRequests;
    std::deque<std::optional<QString>> openAnswers;  // nullopt answers "cancel"
    QStringList saveChangesQuestions;
    std::deque<SaveChoice> saveChangesAnswers;       // none left answers Cancel
    QStringList openedUrls;
    QStringList openedDocuments;

private:
    UserDialogs* previous_;
};
