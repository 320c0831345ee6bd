#pragma once

#include "records/GroundMotionRecord.h"
#include "records/RecordReader.h"

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The pieces every record layout's reader shares: the refusal that names the
// file, the line cursor, fields, numbers and the header words of the agencies.
// Only the readers in records/ include this.

namespace record_text {

// A refusal's words in the installed language (kspect installs none: English).
QString translated(const char* text);

QString quoted(std::string_view text);

QString number(double value);

// Without an exponent: "0.00001", "1000000".
QString fixedNumber(double value);

// Every refusal names the file first, as the message box shows it.
class Refusal {
public:
    explicit Refusal(const QString& fileName) : fileName_(fileName) {}

    [[noreturn]] void file(const QString& what) const;
    [[noreturn]] void line(int number, const QString& what) const;

private:
    QString fileName_;
};

// The file's lines one after the other, without their line ends (LF, CR LF or CR),
// numbered from 1, never all in memory at once.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line);

    int number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
};

bool isSeparator(char c);

// The fields of a line between blanks, tabs and commas.
std::vector<std::string_view> fieldsOf(std::string_view line);

std::string_view trimmed(std::string_view text);

bool isBlank(std::string_view line);

std::string upper(std::string_view text);

bool startsWith(std::string_view text, std::string_view prefix);

// A finite number, the whole field: "1.5", "-.0050", "+2E-3"; never nan, inf
// or a number beyond the doubles.
bool parseNumber(std::string_view field, double& value);

QString notANumber(std::string_view field);

QString notAKnownLayout();

class ValueList {
public:
    explicit ValueList(const Refusal& refuse) : refuse_(refuse) {}

    void add(double value);

    // Every field of the line as a value.
    void addLine(std::string_view line, int lineNumber);

    // The rest of the file's lines, blank ones skipped.
    void addLines(LineCursor& lines);

    std::vector<double>& values() { return values_; }

private:
    const Refusal& refuse_;
    std::vector<double> values_;
};

void checkStep(double step, const QString& text, const Refusal& refuse);

void checkCount(std::size_t expected, std::size_t held, const Refusal& refuse);

std::size_t parseCount(std::string_view text, int lineNumber, const Refusal& refuse);

double parseStep(std::string_view text, int lineNumber, const Refusal& refuse);

// The value after `key` and an "=" or ":" (blanks allowed around), up to the
// next blank or comma.
bool valueAfter(std::string_view line, std::string_view key, char mark, std::string_view& value);

// A unit as the agencies write it.
bool unitFromHeader(std::string_view word, AccelerationUnit& unit);

void refuseOtherHistories(std::string_view line, int lineNumber, const Refusal& refuse);

// What a layout's reader gives: the values in their unit and the step.
struct Values {
    std::vector<double> values;
    double step = 0;
    AccelerationUnit unit = AccelerationUnit::G;
};

} // namespace record_text
