#pragma once

#include "export/SetFile.h"
#include "spectrum/SpectrumSet.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <vector>

// A set file's bytes with item `index` of its "spectra" changed, and its top
// level (for a wrong version).
inline QByteArray withSetEntry(const QByteArray& bytes, int index,
                               const std::function<void(QJsonObject& root, QJsonObject& entry)>& change)
{
    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QJsonArray items = root.value("spectra").toArray();
    QJsonObject entry = items.at(index).toObject();
    change(root, entry);
    items.replace(index, entry);
    root.insert("spectra", items);
    return QJsonDocument(root).toJson();
}

// The set's items in order, as Save Data takes them.
inline std::vector<const SetItem*> itemsOf(const SpectrumSet& set)
{
    std::vector<const SetItem*> items;
    for (int i = 0; i < set.size(); ++i)
        items.push_back(&set.item(i));
    return items;
}

// The refusal of a set file's bytes read under `fileName`, or "accepted".
inline QString setFileRefusal(const QByteArray& bytes, const QString& fileName)
{
    try {
        parseSetFile(bytes, fileName);
    } catch (const SetFileError& error) {
        return error.message();
    }
    return QStringLiteral("accepted");
}
