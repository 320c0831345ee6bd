#pragma once

#include <QLocale>
#include <QString>

// Figures for a person, beside the number texts of NumberText.h (and made
// with their exact digits, in NumberText.cpp).

// `value` rounded to `significant` significant digits and to at most
// `decimals` decimals, in the general form. What rounds away is "0", never
// "-0", "1.43E-297" or, for a tiny value, "NAN": formatFigure(1234.5678, 4, 6)
// is "1235", formatFigure(-0.00001, 15, 4) "0".
QString formatFigure(double value, int significant, int decimals, const QLocale& locale = QLocale());
