#pragma once

#include <QString>
#include <exception>
#include <string>

// An error that ends the current command. The application's general error
// handler shows its message in an error box and the program goes on.
class KavrelError : public std::exception {
public:
    explicit KavrelError(QString message)
        : message_(std::move(message)), what_(message_.toLocal8Bit().toStdString())
    {
    }

    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    QString message_;
    std::string what_;
};
