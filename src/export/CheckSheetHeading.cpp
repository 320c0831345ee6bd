#include "export/CheckSheetHeading.h"

#include "export/CheckSheet.h"
#include "spectrum/DesignCode.h"
#include "text/NumberText.h"

#include <QCoreApplication>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("CheckSheet", text);
}

QString actionText(const std::string& action)
{
    if (action == "frequent")
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "frequent earthquake"));
    if (action == "design-basis")
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "design-basis earthquake"));
    if (action == "rare")
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "rare earthquake"));
    if (action == "very rare")
        return translated(QT_TRANSLATE_NOOP("CheckSheet", "very rare earthquake"));
    return QString::fromStdString(action);
}

QString selectionsLine(const SpectrumOrigin& origin)
{
    QStringList parts;
    if (!origin.intensity.empty())
        parts << translated(QT_TRANSLATE_NOOP("CheckSheet", "intensity %1")).arg(QString::fromStdString(origin.intensity));
    if (!origin.action.empty())
        parts << actionText(origin.action);
    if (!origin.site.empty())
        parts << translated(QT_TRANSLATE_NOOP("CheckSheet", "site class %1")).arg(QString::fromStdString(origin.site));
    if (!origin.group.empty())
        parts << translated(QT_TRANSLATE_NOOP("CheckSheet", "design group %1")).arg(QString::fromStdString(origin.group));
    return parts.join(translated(QT_TRANSLATE_NOOP("CheckSheet", ", ")));
}

} // namespace

QStringList checkSheetHeading(const CheckSheetTarget& target, const QList<CheckSheetRecord>& records,
                              const QLocale& locale)
{
    const auto n = [&locale](double value) { return checkFigureNumber(value, locale); };
    QStringList lines{translated(QT_TRANSLATE_NOOP("CheckSheet", "Record selection check (GB 50011 §5.1.2)"))};
    const std::optional<DesignCode> code = designCodeOf(target.codeType);
    const QString codeName = code ? QString::fromLatin1(designCodeName(*code)) : QString();
    lines << translated(QT_TRANSLATE_NOOP("CheckSheet", "Target spectrum: %1 (%2)")).arg(target.name, codeName);
    const QString selections = selectionsLine(target.origin);
    if (!selections.isEmpty())
        lines << selections;
    lines << translated(QT_TRANSLATE_NOOP("CheckSheet", "AlphaMax %1, Tg %2 s, damping ratio %3"))
                 .arg(n(target.alphaMax), n(target.tg), n(target.damping));
    const QString comma = translated(QT_TRANSLATE_NOOP("CheckSheet", ", "));
    for (const CheckSheetRecord& record : records) {
        QStringList facts;
        if (!record.file.isEmpty())
            facts << translated(QT_TRANSLATE_NOOP("CheckSheet", "file %1")).arg(record.file);
        facts << (record.artificial ? translated(QT_TRANSLATE_NOOP("CheckSheet", "artificial"))
                                    : translated(QT_TRANSLATE_NOOP("CheckSheet", "natural")));
        facts << translated(QT_TRANSLATE_NOOP("CheckSheet", "scale factor %1")).arg(n(record.scaleFactor));
        lines << translated(QT_TRANSLATE_NOOP("CheckSheet", "%1: %2")).arg(record.name, facts.join(comma));
    }
    return lines;
}

QStringList checkSheetStructureLines(const StructureModel& structure, const QLocale& locale)
{
    // As many modes a line as a landscape page holds in full.
    constexpr std::size_t modesPerLine = 8;
    const auto n = [&locale](double value) { return checkFigureNumber(value, locale); };
    const QString combination = structure.combination == ModeCombination::Srss ? QStringLiteral("SRSS")
                                                                                 : QStringLiteral("CQC");
    QStringList lines{translated(QT_TRANSLATE_NOOP("CheckSheet", "Structure: G %1 kN, %2 modes combined by %3"))
                          .arg(n(structure.weight))
                          .arg(structure.modes.size())
                          .arg(combination)};
    QStringList modes;
    for (std::size_t j = 0; j < structure.modes.size(); ++j) {
        modes << translated(QT_TRANSLATE_NOOP("CheckSheet", "%1: %2 s, %3"))
                     .arg(j + 1)
                     .arg(n(structure.modes[j].period), n(structure.modes[j].massRatio));
        if (modes.size() == modesPerLine || j + 1 == structure.modes.size()) {
            lines << translated(QT_TRANSLATE_NOOP("CheckSheet", "Modes (period, mass ratio): %1"))
                         .arg(modes.join(translated(QT_TRANSLATE_NOOP("CheckSheet", "; "))));
            modes.clear();
        }
    }
    return lines;
}

QString checkSheetInelasticLine()
{
    return translated(QT_TRANSLATE_NOOP("CheckSheet", "Records for an inelastic analysis: the base shears are held "
                                                      "to their lower limits only."));
}

QString checkSheetHeadingHtml(const QStringList& lines)
{
    QString html;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QLatin1String tag(i == 0 ? "h3" : "p");
        html += QLatin1Char('<') + tag + QLatin1Char('>') + lines[i].toHtmlEscaped() + QStringLiteral("</") + tag
                + QLatin1Char('>');
    }
    return html;
}
