#include "library/HeaderFacts.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr int headerLinesRead = 20;
constexpr int knetLabelWidth = 18;

QStringList headerLines(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype from = 0;
    while (lines.size() < headerLinesRead && from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        lines << QString::fromUtf8(bytes.mid(from, end - from)).trimmed();
        from = end + 1;
    }
    return lines;
}

std::optional<int> yearIn(const QString& text)
{
    // One a call: the workers read headers side by side, and a shared
    // expression is not safe across threads.
    const QRegularExpression fourDigits(QStringLiteral("(?:^|\\D)(\\d{4})(?:\\D|$)"));
    const QRegularExpressionMatch match = fourDigits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

std::optional<double> numberIn(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

HeaderFacts peerFacts(const QStringList& lines)
{
    HeaderFacts facts;
    if (lines.size() < 2 || !lines[0].startsWith(QLatin1String("PEER")))
        return facts;
    QStringList parts = lines[1].split(QLatin1Char(','));
    for (QString& part : parts)
        part = part.trimmed();
    if (parts.size() < 4)
        return facts;
    facts.metadata.event = parts[0];
    facts.metadata.year = yearIn(parts[1]);
    facts.metadata.station = parts[2];
    facts.componentWord = parts.back();
    parts.removeLast();
    facts.recordingKey = parts.join(QLatin1Char(','));
    return facts;
}

HeaderFacts knetFacts(const QStringList& lines)
{
    HeaderFacts facts;
    QString latitude, longitude;
    for (const QString& line : lines) {
        const QString value = line.mid(knetLabelWidth).trimmed();
        if (line.startsWith(QLatin1String("Origin Time"))) {
            facts.metadata.event = value;
            facts.metadata.year = yearIn(value);
        } else if (line.startsWith(QLatin1String("Mag."))) {
            facts.metadata.magnitude = numberIn(value);
        } else if (line.startsWith(QLatin1String("Station Code"))) {
            facts.metadata.station = value;
        } else if (line.startsWith(QLatin1String("Station Lat."))) {
            latitude = value;
        } else if (line.startsWith(QLatin1String("Station Long."))) {
            longitude = value;
        }
    }
    if (!latitude.isEmpty() && !longitude.isEmpty())
        facts.place = latitude + QLatin1String(" N ") + longitude + QLatin1String(" E");
    return facts;
}

HeaderFacts csmncFacts(const QStringList& lines)
{
    HeaderFacts facts;
    if (lines.size() < 3)
        return facts;
    facts.code = lines[0];
    facts.metadata.station = lines[0].left(6);
    facts.metadata.year = yearIn(lines[1]);
    facts.metadata.event = lines[2];
    facts.recordingKey = lines[0] + QLatin1Char('|') + lines[2];
    const QRegularExpression component(QStringLiteral("^COMP\\.?\\s*(\\S+)"),
                                              QRegularExpression::CaseInsensitiveOption);
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = component.match(line);
        if (match.hasMatch()) {
            facts.componentWord = match.captured(1).toUpper();
            break;
        }
    }
    return facts;
}

} // namespace

HeaderFacts headerFacts(const QByteArray& bytes, RecordLayout layout)
{
    const QStringList lines = headerLines(bytes);
    switch (layout) {
    case RecordLayout::Peer:
        return peerFacts(lines);
    case RecordLayout::Knet:
        return knetFacts(lines);
    case RecordLayout::Csmnc:
        return csmncFacts(lines);
    case RecordLayout::Columns:
        break;
    }
    return {};
}
