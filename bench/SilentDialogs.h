#pragma once

#include "common/UserDialogs.h"

#include <cstdio>

// A desktop that asks nothing, for benchmarks that run unattended; warnings
// and errors still reach stderr, so that a run that went wrong is seen.
class SilentDialogs final : public UserDialogs {
public:
    SilentDialogs() : previous_(setUserDialogs(this)) {}
    ~SilentDialogs() override { setUserDialogs(previous_); }
    SilentDialogs(const SilentDialogs&) = delete;
    SilentDialogs& operator=(const SilentDialogs&) = delete;

    void warning(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void information(const QString&) override {}
    void error(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void messageBox(const QString&, const QString&, MessageIcon) override {}
    std::optional<QString> askSaveFileName(const SaveFileRequest&) override { return std::nullopt; }
    void openUrl(const QString&) override {}
    bool question(const QString&) override { return false; }
    bool openDocument(const QString&) override { return true; }

private:
    UserDialogs* previous_;
};
