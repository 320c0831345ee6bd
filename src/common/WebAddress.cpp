#include "common/WebAddress.h"

#include <QRegularExpression>

QUrl browserUrl(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};

    // Only "scheme://" counts as a scheme: "host:8080" is a host with a port.
    static const QRegularExpression withScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    const QString full = withScheme.match(text).hasMatch() ? text : QStringLiteral("http://") + text;

    QUrl url(full, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return {};
    return url;
}
