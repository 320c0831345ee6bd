#include "library/LibraryListing.h"

#include "text/NumberText.h"

#include <QLocale>

namespace {

QString number(double value)
{
    return formatGeneral(value, QLocale::c());
}

template <typename T>
QString optionalNumber(const std::optional<T>& value)
{
    return value ? number(static_cast<double>(*value)) : QString();
}

QString tableField(QString text)
{
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\n'), QLatin1Char('\r')})
        text.replace(c, QLatin1Char(' '));
    return text;
}

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString line(const QStringList& fields, ListingFormat format)
{
    QStringList written;
    for (const QString& field : fields)
        written << (format == ListingFormat::Csv ? csvField(field) : tableField(field));
    return written.join(format == ListingFormat::Csv ? QLatin1Char(',') : QLatin1Char('\t')) + QLatin1Char('\n');
}

} // namespace

const QStringList& listingColumns()
{
    static const QStringList columns{
        QStringLiteral("file"),     QStringLiteral("recording"),   QStringLiteral("component"),
        QStringLiteral("points"),   QStringLiteral("step_s"),      QStringLiteral("pga_g"),
        QStringLiteral("pgv_cm_s"), QStringLiteral("pgd_cm"),      QStringLiteral("effective_duration_s"),
        QStringLiteral("d5_95_s"),  QStringLiteral("arias_m_s"),   QStringLiteral("magnitude"),
        QStringLiteral("rjb_km"),   QStringLiteral("vs30_m_s"),    QStringLiteral("event"),
        QStringLiteral("station")};
    return columns;
}

QStringList listingFields(const CatalogueComponent& c)
{
    const ComponentMeasures& m = c.measures;
    return {c.path,
            c.recording,
            c.component,
            QString::number(m.points),
            number(m.step),
            number(m.pgaG),
            number(m.pgvCmPerS),
            number(m.pgdCm),
            number(m.effectiveDuration),
            number(m.d5_95),
            number(m.ariasMetresPerSecond),
            optionalNumber(c.metadata.magnitude),
            optionalNumber(c.metadata.rjbKm),
            optionalNumber(c.metadata.vs30),
            c.metadata.event,
            c.metadata.station};
}

QByteArray buildListing(const Catalogue& catalogue, ListingFormat format)
{
    QString text = line(listingColumns(), format);
    for (const CatalogueComponent& component : catalogue.components)
        text += line(listingFields(component), format);
    return text.toUtf8();
}
