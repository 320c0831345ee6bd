#include "records/DistinguishingNames.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <vector>

namespace {

// The last `count` parts of a path (all of them when it has fewer).
QString lastParts(const QStringList& parts, qsizetype count)
{
    return parts.mid(std::max<qsizetype>(0, parts.size() - count)).join(QLatin1Char('/'));
}

}  // namespace

QStringList distinguishingNames(const QStringList& paths)
{
    std::vector<QStringList> parts;
    parts.reserve(static_cast<std::size_t>(paths.size()));
    QHash<QString, int> sharing;  // how many files have each name
    for (const QString& path : paths) {
        parts.push_back(QDir::cleanPath(QFileInfo(path).absoluteFilePath()).split(QLatin1Char('/'), Qt::SkipEmptyParts));
        ++sharing[parts.back().isEmpty() ? path : parts.back().last()];
    }
    QStringList names;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const QStringList& own = parts[i];
        if (own.isEmpty() || sharing.value(own.last()) < 2) {
            names << (own.isEmpty() ? paths[static_cast<qsizetype>(i)] : own.last());
            continue;
        }
        qsizetype count = 2;
        const auto sharedBySomeOther = [&](qsizetype n) {
            const QString mine = lastParts(own, n);
            for (std::size_t j = 0; j < parts.size(); ++j) {
                if (j != i && lastParts(parts[j], n) == mine)
                    return true;
            }
            return false;
        };
        while (count < own.size() && sharedBySomeOther(count))
            ++count;
        names << lastParts(own, count);
    }
    return names;
}
