#pragma once

#include "spectrum/CodeRules.h"
#include "spectrum/SelectionChoices.h"
#include "spectrum/SpectrumSet.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

// The rules every reader of a spectrum's inputs applies (the window's input
// panel, kspect's options, set files), each rule and each of its texts once.

// One input read: its value, or the message that says why it was refused.
template <typename T>
struct InputRead {
    T value{};
    QString refusal;
    bool accepted() const { return refusal.isEmpty(); }
};

// A typed name: control characters and blanks trimmed at both ends, then
// the narrow text of fewer than SpectrumSet::NameLimit bytes, not empty.
// Whether the set already holds it is the set's question (nameTakenMessage).
InputRead<std::string> readName(const QString& typed);
QString nameRefusal(SpectrumSet::NameCheck check);
QString nameTakenMessage(const std::string& name);

// The three numbers of a spectrum.
enum class NumberInput { AlphaMax, Tg, DampingRatio };

// A number as typed: strict parsing in `locale` (the window passes the
// user's, kspect "C"), then numberAccepted.
InputRead<double> readNumber(const QString& text, NumberInput which, const QLocale& locale = QLocale());
// A number already read (from a set file): refused when below 0 or not
// finite; a negative zero becomes 0, since its sign would not survive a file.
std::optional<double> numberAccepted(double value);
QString notANumberMessage(const QString& text);
QString negativeMessage(NumberInput which);

// A record's target peak as typed, cm/s^2: a number above 0 (nothing when
// `asRecorded`), and its damping ratio: at least 0 and below 1.
InputRead<std::optional<double>> readTargetPeak(const QString& text, bool asRecorded,
                                                const QLocale& locale = QLocale());
InputRead<double> readRecordDamping(const QString& text, const QLocale& locale = QLocale());

// One end of a range a list is filtered by: nothing when left empty (no
// limit), else a number in `locale`, of any sign.
InputRead<std::optional<double>> readRangeLimit(const QString& text, const QLocale& locale = QLocale());

// How Tg came about when a code rule changed it, e.g. "0.40 s + 0.05 s, rare
// earthquake"; empty when it is the table's value.
QString tgNote(const CodeParameters& parameters, const QLocale& locale = QLocale());

// A selection's box texts and command-line words, in item order.
QStringList boxTexts(const SelectionChoices& choices);
QStringList choiceWords(const SelectionChoices& choices);
// The item index of a command-line word (exact), or -1.
int choiceOfWord(const SelectionChoices& choices, const QString& word);
