#pragma once

#include "export/SetFile.h"
#include "spectrum/SpectrumSet.h"

#include <QByteArray>
#include <QString>

#include <vector>

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
