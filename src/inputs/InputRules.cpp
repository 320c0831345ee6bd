#include "inputs/InputRules.h"

#include "text/NarrowText.h"
#include "text/NumberText.h"
#include "text/RecordRules.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The rule book's messages are what a person reads: in the installed
// language (the window's choice; kspect installs none, so it stays English).
QString translated(const char* text)
{
    return QCoreApplication::translate("InputRules", text);
}

// The box texts that read differently in another language; the others are
// numbers, code numbers or already the codes' own words. Listed here for the
// translation tools; boxTexts() shows them translated.
[[maybe_unused]] const char* const translatedBoxTexts[] = {
    QT_TRANSLATE_NOOP("SelectionChoices", "1st Group"),
    QT_TRANSLATE_NOOP("SelectionChoices", "2nd Group"),
    QT_TRANSLATE_NOOP("SelectionChoices", "3th Group"),
};

QString seconds(double value, const QLocale& locale)
{
    return formatFixed(value, 2, locale) + QStringLiteral(" s");
}

} // namespace

QString nameRefusal(SpectrumSet::NameCheck check)
{
    switch (check) {
    case SpectrumSet::NameCheck::Empty:
        return translated(QT_TRANSLATE_NOOP("InputRules", "Please Input Response Name."));
    case SpectrumSet::NameCheck::TooLong:
        return translated(QT_TRANSLATE_NOOP("InputRules", "Response Name must be less than %1 letters."))
            .arg(SpectrumSet::NameLimit);
    case SpectrumSet::NameCheck::Taken:
    case SpectrumSet::NameCheck::Accepted:
        break;
    }
    return {};
}

QString nameTakenMessage(const std::string& name)
{
    return translated(QT_TRANSLATE_NOOP("InputRules", "Response with name: %1 already exists! Please Input another Name."))
        .arg(quoted(fromNarrow(name)));
}

InputRead<std::string> readName(const QString& typed)
{
    InputRead<std::string> read;
    read.value = toNarrow(trimControls(typed));
    read.refusal = nameRefusal(SpectrumSet::checkNameForm(read.value));
    return read;
}

QString notANumberMessage(const QString& text)
{
    return translated(QT_TRANSLATE_NOOP("InputRules", "%1 is not a valid floating number!")).arg(quoted(text));
}

QString negativeMessage(NumberInput which)
{
    // In the order of NumberInput.
    static const char* const texts[] = {QT_TRANSLATE_NOOP("InputRules", "AlphaMax must be postive."),
                                        QT_TRANSLATE_NOOP("InputRules", "Characteristic Groud Period must be postive."),
                                        QT_TRANSLATE_NOOP("InputRules", "Damping ratio must be postive.")};
    return translated(texts[static_cast<int>(which)]);
}

std::optional<double> numberAccepted(double value)
{
    if (!std::isfinite(value) || value < 0)
        return std::nullopt;
    return value + 0.0;
}

InputRead<double> readNumber(const QString& text, NumberInput which, const QLocale& locale)
{
    InputRead<double> read;
    double parsed = 0;
    if (!parseLocaleDouble(text, parsed, locale)) {
        read.refusal = notANumberMessage(text);
        return read;
    }
    const std::optional<double> accepted = numberAccepted(parsed);
    if (!accepted)
        read.refusal = negativeMessage(which);
    else
        read.value = *accepted;
    return read;
}

QString tgNote(const CodeParameters& p, const QLocale& locale)
{
    if (!p.verticalApplied && !p.rareTgApplied)
        return {};
    QString note = seconds(p.tableTg, locale);
    if (p.rareTgApplied)
        note += " + " + seconds(p.rareTgIncrease, locale);
    if (p.verticalApplied)
        note += translated(QT_TRANSLATE_NOOP("InputRules", ", 1st group, vertical"));
    if (p.rareTgApplied)
        note += translated(QT_TRANSLATE_NOOP("InputRules", ", rare earthquake"));
    return note;
}

QStringList boxTexts(const SelectionChoices& choices)
{
    QStringList texts;
    for (const SelectionChoice& choice : choices)
        texts << QCoreApplication::translate("SelectionChoices", choice.boxText);
    return texts;
}

QStringList choiceWords(const SelectionChoices& choices)
{
    QStringList words;
    for (const SelectionChoice& choice : choices)
        words << QString::fromUtf8(choice.word);
    return words;
}

int choiceOfWord(const SelectionChoices& choices, const QString& word)
{
    return static_cast<int>(choiceWords(choices).indexOf(word));
}

InputRead<std::optional<double>> readTargetPeak(const QString& text, bool asRecorded, const QLocale& locale)
{
    if (asRecorded)
        return {std::nullopt, {}};
    double value = 0;
    if (!parseLocaleDouble(text.trimmed(), value, locale))
        return {std::nullopt, notANumberMessage(text)};
    if (!isTargetPeak(value))
        return {std::nullopt, targetPeakRefusal()};
    return {value, {}};
}

InputRead<std::optional<double>> readRangeLimit(const QString& text, const QLocale& locale)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {std::nullopt, {}};
    double value = 0;
    if (!parseLocaleDouble(typed, value, locale) || !std::isfinite(value))
        return {std::nullopt, notANumberMessage(text)};
    return {value, {}};
}

InputRead<double> readRecordDamping(const QString& text, const QLocale& locale)
{
    double value = 0;
    if (!parseLocaleDouble(text.trimmed(), value, locale))
        return {0, notANumberMessage(text)};
    if (!isOscillatorDamping(value))
        return {0, dampingRangeRefusal()};
    return {value == 0 ? 0.0 : value, {}};
}
