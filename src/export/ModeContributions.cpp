#include "export/ModeContributions.h"

#include "export/CheckSheet.h"

#include <QCoreApplication>

QStringList modeColumnHeaders()
{
    return {QCoreApplication::translate("ModeContributions", "Period (s)"),
            QCoreApplication::translate("ModeContributions", "Mass ratio")};
}

QList<QStringList> modeContributionRows(const StructureModel& structure, const ModalShears& shears,
                                        const std::vector<std::string>& recordNames,
                                        const std::vector<std::vector<double>>& recordPeaks,
                                        const QLocale& locale)
{
    const auto words = [](const char* text) { return QCoreApplication::translate("ModeContributions", text); };
    QStringList header = QStringList{words(QT_TRANSLATE_NOOP("ModeContributions", "Mode"))} + modeColumnHeaders();
    header << words(QT_TRANSLATE_NOOP("ModeContributions", "V0 part (kN)"));
    for (const std::string& name : recordNames)
        header << words(QT_TRANSLATE_NOOP("ModeContributions", "%1 (kN)")).arg(QString::fromStdString(name));
    QList<QStringList> rows{header};
    for (std::size_t j = 0; j < structure.modes.size(); ++j) {
        QStringList row{QString::number(j + 1), checkFigureNumber(structure.modes[j].period, locale),
                        checkFigureNumber(structure.modes[j].massRatio, locale),
                        j < shears.modal.size() ? checkFigureNumber(shears.modal[j], locale) : QString()};
        for (const std::vector<double>& peaks : recordPeaks)
            row << (j < peaks.size() ? checkFigureNumber(peaks[j], locale) : QString());
        rows << row;
    }
    QStringList total{words(QT_TRANSLATE_NOOP("ModeContributions", "Combined")), QString(),
                      checkFigureNumber(shears.massRatioSum, locale),
                      checkFigureNumber(shears.responseSpectrum, locale)};
    for (std::size_t r = 0; r < recordPeaks.size(); ++r)
        total << (r < shears.records.size() ? checkFigureNumber(shears.records[r], locale) : QString());
    rows << total;
    return rows;
}
