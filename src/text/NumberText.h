#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// Number texts of the program's outputs, all with the decimal separator of
// `locale` (the user's locale unless a caller says otherwise). Rounding is to
// nearest on the exact value of the double, halves away from zero.

// General form: at most 15 significant digits, trailing zeros dropped, no
// separator for whole numbers; fixed notation for magnitudes from 0.0001 up to
// below 1E15, otherwise scientific with as few exponent digits as needed:
// 0.04, 1, 0.3 (for 0.1 + 0.2), 5E-5, 1E15, 1.5E-5.
QString formatGeneral(double value, const QLocale& locale = QLocale());

// Fixed pattern with `decimals` decimals and at least one integer digit:
// "0.000000" is formatFixed(v, 6), "0.00" is formatFixed(v, 2).
QString formatFixed(double value, int decimals, const QLocale& locale = QLocale());

// Pattern "0.0000E+00": one integer digit, four decimals, a signed exponent of
// at least two digits (1.8000E-02, 0.0000E+00).
QString formatScientific4(double value, const QLocale& locale = QLocale());

// The two fixed patterns appended to `out` as narrow text, with `point` (the
// locale's decimal separator in the narrow encoding) between the digits:
// the same texts as formatFixed and formatScientific4, without a QString on
// the way, for files that hold hundreds of thousands of them.
void appendFixed(std::string& out, double value, int decimals, std::string_view point);
void appendScientific4(std::string& out, double value, std::string_view point);

// The shortest text that reads back as the same double, always with ".":
// for files that programs read. appendShortest writes as printf's %g would
// show those digits (0.0053, 1e-05); appendShortestFixed never uses an
// exponent (0.00001).
void appendShortest(std::string& out, double value);
void appendShortestFixed(std::string& out, double value);
std::string shortestText(double value);

// Decimals of the shortest fixed text of `value`: 2 for 0.01, 5 for 1e-5.
int shortestDecimals(double value);

// The double of `value` rounded to `decimals` decimals, so that a product
// such as 3 x 0.1 (0.30000000000000004) is the 0.3 that its text promises.
double roundedToDecimals(double value, int decimals);
QString shortestQString(double value);

// Strict reading of a typed number (an edit box, a cell text) in `locale`:
// blanks around the text are allowed, group separators and the other decimal
// mark are not, and a result that is not finite (nan, inf, 1e999) is refused.
// Returns false and leaves `value` alone when the text is not such a number.
// The usual plain form is read without the locale machinery, so that a
// workbook of many cells reads quickly.
bool parseLocaleDouble(QStringView text, double& value, const QLocale& locale = QLocale());
inline bool parseLocaleDouble(const QString& text, double& value, const QLocale& locale = QLocale())
{
    return parseLocaleDouble(QStringView(text), value, locale);
}
