#pragma once

#include <QString>
#include <string>

// The program's own texts (spectrum names, export options) are narrow strings
// in the encoding of the user's locale; controls and the automation interface
// speak UTF-16. These are the only places where one becomes the other.

std::string toNarrow(const QString& text);
QString fromNarrow(const std::string& text);

// UTF-16 code units of a narrow text, as the automation interface carries it.
std::u16string widenNarrow(const std::string& text);
std::string narrowWide(const std::u16string& text);

// Removes blanks and control characters at both ends, as a spectrum's name is
// read from the window or the command line.
QString trimControls(const QString& text);

// A text as one line of a file: control characters (a pasted line break)
// become blanks, so that a name cannot end its line early.
std::string oneLineText(const std::string& text);

// A text in double quotes, as a message names a file, a name or what was typed.
QString quoted(const QString& text);
