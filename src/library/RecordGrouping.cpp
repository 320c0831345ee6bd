#include "library/RecordGrouping.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString nameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString stemOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 ? name : name.left(dot);
}

// A recording being gathered: its name and its files with the component each
// has already, or none yet.
struct Gathering {
    QString name;
    std::vector<std::size_t> files;
};

class Groups {
public:
    explicit Groups(std::vector<ComponentPlace>& places) : places_(places) {}

    void add(const QString& key, const QString& name, std::size_t file, const QString& component = QString())
    {
        Gathering& group = groups_[key];
        if (group.name.isEmpty())
            group.name = name;
        group.files.push_back(file);
        places_[file].component = component;
    }

    // Names each group and numbers the components it lacks: verticals V,
    // V2, ..., horizontals H1, H2, ... after those already taken, by name.
    void finish(const std::vector<ComponentFile>& files)
    {
        for (auto& [key, group] : groups_) {
            std::sort(group.files.begin(), group.files.end(),
                      [&files](std::size_t a, std::size_t b) { return files[a].path < files[b].path; });
            QStringList taken;
            for (const std::size_t i : group.files) {
                places_[i].recording = group.name;
                if (!places_[i].component.isEmpty() && !places_[i].component.startsWith(QLatin1Char('?')))
                    taken << places_[i].component;
            }
            for (const std::size_t i : group.files) {
                QString& component = places_[i].component;
                if (!component.isEmpty() && !component.startsWith(QLatin1Char('?')))
                    continue;
                const QString kind = component == QLatin1String("?V") ? QStringLiteral("V") : QStringLiteral("H");
                for (int n = 1;; ++n) {
                    QString label = kind + QString::number(n);
                    if (label == QLatin1String("V1"))
                        label = QStringLiteral("V");
                    if (!taken.contains(label)) {
                        component = label;
                        taken << label;
                        break;
                    }
                }
            }
        }
    }

private:
    std::vector<ComponentPlace>& places_;
    std::map<QString, Gathering> groups_;
};

// A component to be numbered: "?V" for a vertical, "?H" for a horizontal.
QString unnumbered(bool vertical)
{
    return vertical ? QStringLiteral("?V") : QStringLiteral("?H");
}

bool isVerticalWord(const QString& word)
{
    static const QStringList words{QStringLiteral("UD"), QStringLiteral("UP"), QStringLiteral("DWN"),
                                   QStringLiteral("V"), QStringLiteral("Z")};
    return words.contains(word.toUpper());
}

// The longest start the names share, less trailing separators; the first
// name when they share none.
QString commonStart(const std::vector<ComponentFile>& files, const std::vector<std::size_t>& members)
{
    QString start = stemOf(nameOf(files[members.front()].path));
    for (const std::size_t i : members) {
        const QString stem = stemOf(nameOf(files[i].path));
        qsizetype n = 0;
        while (n < start.size() && n < stem.size() && start[n] == stem[n])
            ++n;
        start.truncate(n);
    }
    while (!start.isEmpty() && (start.back() == QLatin1Char('_') || start.back() == QLatin1Char('-')))
        start.chop(1);
    return start.isEmpty() ? stemOf(nameOf(files[members.front()].path)) : start;
}

} // namespace

bool hasVerticalEnding(const QString& fileName)
{
    const QString stem = stemOf(nameOf(fileName)).toUpper();
    for (const char* ending : {"UP", "DWN", "-V", "V1"}) {
        if (stem.endsWith(QLatin1String(ending)))
            return true;
    }
    return false;
}

std::vector<ComponentPlace> groupComponents(const std::vector<ComponentFile>& files,
                                            const std::vector<SearchResultsSource>& tables)
{
    // Each table's files by folder and name.
    struct Listed {
        const SearchResultsRow* row;
        const char* component;
    };
    QHash<QString, Listed> listed;
    for (const SearchResultsSource& table : tables) {
        const QString folder = folderOf(table.path);
        for (const SearchResultsRow& row : table.rows) {
            const std::pair<const QString*, const char*> columns[] = {
                {&row.horizontal1, "H1"}, {&row.horizontal2, "H2"}, {&row.vertical, "V"}};
            for (const auto& [name, component] : columns) {
                if (!name->isEmpty())
                    listed.insert(folder + QLatin1Char('/') + *name, Listed{&row, component});
            }
        }
    }

    // One a call, so that two threads may group at once.
    const QRegularExpression peerName(QStringLiteral("^RSN(\\d+)_"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression knetName(QStringLiteral("^(.+)\\.(NS|EW|UD)([12]?)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    std::vector<ComponentPlace> places(files.size());
    Groups groups(places);
    // PEER header groups wait for their names until all their files are known.
    std::map<QString, std::vector<std::size_t>> peerHeaderGroups;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const ComponentFile& file = files[i];
        const QString folder = folderOf(file.path);
        const QString name = nameOf(file.path);
        const auto table = listed.constFind(folder + QLatin1Char('/') + name);
        if (table != listed.constEnd()) {
            const QString rsn = QString::number(table->row->sequenceNumber);
            places[i].row = table->row;
            groups.add(QStringLiteral("table|") + folder + QLatin1Char('|') + rsn, QStringLiteral("RSN") + rsn, i,
                       QLatin1String(table->component));
            continue;
        }
        if (const QRegularExpressionMatch match = peerName.match(name); match.hasMatch()) {
            groups.add(QStringLiteral("rsn|") + folder + QLatin1Char('|') + match.captured(1),
                       QStringLiteral("RSN") + match.captured(1), i, unnumbered(hasVerticalEnding(name)));
            continue;
        }
        if (const QRegularExpressionMatch match = knetName.match(name);
            match.hasMatch() && file.layout == RecordLayout::Knet) {
            const QString direction = match.captured(2).toUpper();
            const QString sensor = match.captured(3);
            QString recording = match.captured(1);
            if (sensor == QLatin1String("1"))
                recording += QStringLiteral("-borehole");
            else if (sensor == QLatin1String("2"))
                recording += QStringLiteral("-surface");
            const QString component = direction == QLatin1String("NS")   ? QStringLiteral("H1")
                                      : direction == QLatin1String("EW") ? QStringLiteral("H2")
                                                                         : QStringLiteral("V");
            groups.add(QStringLiteral("knet|") + folder + QLatin1Char('|') + recording, recording, i, component);
            continue;
        }
        if (file.layout == RecordLayout::Csmnc && !file.facts.recordingKey.isEmpty()) {
            const QString word = file.facts.componentWord;
            const QString component = word == QLatin1String("NS")   ? QStringLiteral("H1")
                                      : word == QLatin1String("EW") ? QStringLiteral("H2")
                                                                    : unnumbered(isVerticalWord(word));
            groups.add(QStringLiteral("csmnc|") + folder + QLatin1Char('|') + file.facts.recordingKey,
                       file.facts.code, i, component);
            continue;
        }
        if (file.layout == RecordLayout::Peer && !file.facts.recordingKey.isEmpty()) {
            peerHeaderGroups[folder + QLatin1Char('|') + file.facts.recordingKey].push_back(i);
            continue;
        }
        groups.add(QStringLiteral("file|") + file.path, stemOf(name), i, unnumbered(hasVerticalEnding(name)));
    }
    for (const auto& [key, members] : peerHeaderGroups) {
        const QString recording = members.size() == 1 ? stemOf(nameOf(files[members.front()].path))
                                                       : commonStart(files, members);
        for (const std::size_t i : members) {
            const bool vertical = hasVerticalEnding(files[i].path) || isVerticalWord(files[i].facts.componentWord);
            groups.add(QStringLiteral("peer|") + key, recording, i, unnumbered(vertical));
        }
    }
    groups.finish(files);
    return places;
}
