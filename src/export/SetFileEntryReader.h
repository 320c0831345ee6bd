#pragma once

#include "common/FileRefusal.h"
#include "export/SetFileFormat.h"
#include "spectrum/SpectrumOrigin.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The pieces the set-file reader reads an item with. Every refusal names the
// file first, then the item by its label: "spectrum 3", "record 4 (\"RSN953\")".

class SetFileRefusal : public FileRefusal<SetFileError> {
public:
    explicit SetFileRefusal(const QString& fileName) : FileRefusal(fileName) {}

    [[noreturn]] void spectrum(int index, const QString& what) const;
    [[noreturn]] void entry(const QString& label, const QString& what) const;
    static QString spectrumLabel(int index);
};

// A list of finite numbers: how long it may be and the words for each fault.
struct NumberListRule {
    std::size_t fewest = 0;
    std::size_t most = 0;
    std::function<QString()> tooFew;
    std::function<QString()> tooMany;
    std::function<QString(qsizetype item)> notFinite;  // the item counted from 1
};

// The fields of one item of "spectra", each checked for its type.
class SetEntryReader {
public:
    SetEntryReader(const SetFileRefusal& refuse, QString label, const QJsonObject& object);

    [[noreturn]] void refuse(const QString& what) const { refuse_.entry(label_, what); }
    [[noreturn]] void wrongType(const char* key, const char* kind) const;
    const QJsonObject& object() const { return object_; }

    QJsonValue required(const char* key) const;
    QString text(const char* key) const;
    // As the window's boxes take a number: finite and not below 0.
    double number(const char* key) const;
    bool flag(const char* key, bool absent) const;
    SpectrumOrigin origin() const;
    // Its length is checked before any number is read.
    std::vector<double> numberList(const char* key, const NumberListRule& rule) const;

private:
    const SetFileRefusal& refuse_;
    QString label_;
    const QJsonObject& object_;
};

// The narrow name of an item as the set takes it: held by the system's
// encoding, without blanks at its ends, by the set's length rule.
std::string checkedName(const SetFileRefusal& refuse, const QString& label, const QString& name);
