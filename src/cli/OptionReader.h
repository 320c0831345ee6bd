#pragma once

#include "text/NarrowText.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

enum class AnalysisFormat;

// Reads the options of a parsed kspect command line one by one and keeps the
// first complaint, one line that names the option ("--dt: ..."). Once a
// complaint is kept, every further read does nothing and returns false, so a
// command reads all its options in a row and looks at failed() once.
// Numbers are always read with ".", so that a script means the same in every
// locale.
class OptionReader {
public:
    explicit OptionReader(const QCommandLineParser& parser) : parser_(parser) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

    // The option's one value; false when it is not given. Given twice it is
    // refused: which one was meant cannot be known.
    bool value(const QCommandLineOption& option, QString& text);

    // A file name: as value(), but an empty name is refused, not taken for
    // "no option": it would read or write something else than the user meant.
    bool path(const QCommandLineOption& option, QString& path);

    // The index of the option's value among `words` (exact); a value that is
    // none of them is refused with the list.
    bool choice(const QCommandLineOption& option, const QStringList& words, int& index);

    // One number.
    bool number(const QCommandLineOption& option, double& number);

    // Numbers separated by commas, at least one.
    bool numbers(const QCommandLineOption& option, std::vector<double>& numbers);

    // A whole number from `lowest` to `highest`.
    bool wholeNumber(const QCommandLineOption& option, int lowest, int highest, int& number);

    // An analysis-file format by its command-line name (table, csv, csi, ...).
    bool analysisFormat(const QCommandLineOption& option, AnalysisFormat& format);

    // The OpenSees time series tag, 1 or more; refused with another format.
    bool openSeesTag(const QCommandLineOption& option, AnalysisFormat format, int& tag);

    // Keeps "--name: what" unless a complaint is kept already; returns false.
    bool refuse(const QCommandLineOption& option, const QString& what);

private:
    const QCommandLineParser& parser_;
    QString error_;
};

// The options every kspect command shares, each described once: -o/--output
// (what is written: "the file", "the sheet"), --tag and -h/--help.
QCommandLineOption outputOption(const QString& what = QStringLiteral("the file"));
QCommandLineOption openSeesTagOption();
QCommandLineOption helpOption();

// The formats' command-line names, joined by `separator`.
QString analysisFormatList(const QString& separator);

// The option list of a help text: each option's names and value, then its
// description on the next line.
QString optionsHelp(const QList<QCommandLineOption>& options);

// A command's --help: its usage lines, its description, then its options.
QString commandHelp(const QString& usage, const QString& description, const QList<QCommandLineOption>& options);

// Takes `options` and parses `arguments`; false with the complaint in `error`
// when the parser refuses them or, unless the command takes positional
// arguments, when one is given ("\"x\": not an option").
enum class Positionals { Refused, Taken };
bool parseCommand(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                  const QStringList& arguments, Positionals positionals, QString& error);

// A command's usage lines and description, for its --help.
struct CommandHelp {
    QString usage;
    QString description;
};

// parseCommand, then -h/--help: false with the complaint in `error`, or with
// the command's help text in `help` when it is asked for.
bool startCommand(QCommandLineParser& parser, const QList<QCommandLineOption>& options, const QStringList& arguments,
                  Positionals positionals, const CommandHelp& text, QString& error, QByteArray& help);
