#pragma once

#include <QString>

// A refusal of a file's contents names the file first, as the message box
// shows it: `pattern` takes the file's name as %1 and what is wrong as %2
// (a reader passes its translated pattern where its messages are translated
// whole). Throws `Error`, a KavrelError, with the finished message.
template <typename Error>
class FileRefusal {
public:
    explicit FileRefusal(QString fileName, QString pattern = QStringLiteral("\"%1\": %2"))
        : fileName_(std::move(fileName)), pattern_(std::move(pattern))
    {
    }

    [[noreturn]] void file(const QString& what) const { throw Error(pattern_.arg(fileName_, what)); }

private:
    QString fileName_;
    QString pattern_;
};
