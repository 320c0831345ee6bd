#include "selection/RecordingEvent.h"

#include <QFileInfo>
#include <QRegularExpression>

QString recordingEvent(const QString& metadataEvent, const QString& fileName)
{
    const QString known = metadataEvent.trimmed();
    if (!known.isEmpty())
        return known;
    static const QRegularExpression peer(QStringLiteral("^RSN\\d+_([^_]+)_"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = peer.match(QFileInfo(fileName).fileName());
    return match.hasMatch() ? match.captured(1) : QString();
}
