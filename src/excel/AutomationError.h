#pragma once

#include "common/KavrelError.h"
#include "excel/Dispatch.h"

#include <QString>
#include <cstdint>
#include <string>

// A failed automation call. It carries the failure code and, when the
// application answered with an exception, what the application reported.
// Derived from KavrelError so that the general error handler shows it and
// the program goes on.
class AutomationError : public KavrelError {
public:
    // A failure of the lookup or the call: the message is the system's text
    // for the code.
    explicit AutomationError(HResult code);
    // A failure the layer itself detects, with a message of its own.
    AutomationError(HResult code, QString message);
    // The application's exception: the message is its description, or the
    // system's text for its code when it gave none.
    explicit AutomationError(const ExcepInfo& info);

    // The system's text for a failure code, e.g. "Unknown name."; a code
    // not in its table gives "Unspecified error (0x........)."
    static QString systemText(HResult code);

    HResult code() const noexcept { return code_; }
    const QString& description() const noexcept { return description_; }
    const QString& source() const noexcept { return source_; }
    const QString& helpFile() const noexcept { return helpFile_; }
    std::uint32_t helpContext() const noexcept { return helpContext_; }

private:
    HResult code_;
    QString description_;
    QString source_;
    QString helpFile_;
    std::uint32_t helpContext_ = 0;
};
