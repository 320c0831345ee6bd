#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <map>
#include <string>

// Points HOME, and with it the documents and data folders the program
// writes into, at a new empty folder for its lifetime, so that a test never
// writes into the real user's files and always starts from empty folders.
// The XDG variables that would override HOME are cleared meanwhile.
class TemporaryHome {
public:
    TemporaryHome()
    {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR"}) {
            if (qEnvironmentVariableIsSet(name))
                saved_[name] = qgetenv(name);
            qunsetenv(name);
        }
        qputenv("HOME", QFile::encodeName(folder_.path()));
    }
    ~TemporaryHome()
    {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR"}) {
            const auto saved = saved_.find(name);
            if (saved != saved_.end())
                qputenv(name, saved->second);
            else
                qunsetenv(name);
        }
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    QString path() const { return folder_.path(); }
    // Where the program keeps its workbooks under this home.
    QString workbooks() const { return QDir(folder_.path()).filePath(QStringLiteral("Documents/Kavrel_Spect")); }

private:
    QTemporaryDir folder_;
    std::map<std::string, QByteArray> saved_;
};
