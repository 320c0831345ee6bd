#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// The decimal digits of |value| (no leading zeros, at least one digit) and the
// power of ten of the first digit, exact to far more digits than any pattern
// needs, so that rounding below can tell a real half from a near one.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits exactDigits(double value)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 60);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    Digits d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

// Keeps the first `count` digits (count may be 0 or negative: everything is
// rounded away), rounding half away from zero; a carry moves the exponent.
Digits roundDigits(Digits d, int count)
{
    if (count < 0) {
        return Digits{"0", d.exponent - count};
    }
    if (count >= static_cast<int>(d.digits.size()))
        return d;
    const bool up = d.digits[count] >= '5';
    d.digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
            if (count == 0) {
                d.digits = "1";
            }
        }
    }
    if (d.digits.empty())
        d.digits = "0";
    return d;
}

bool allZero(const std::string& s)
{
    return s.find_first_not_of('0') == std::string::npos;
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString formatGeneral(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0.0)
        return QStringLiteral("0");

    Digits d = roundDigits(exactDigits(value), 15);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();

    const QString point = locale.decimalPoint();
    QString text = value < 0 ? QStringLiteral("-") : QString();
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= -4 && d.exponent < 15) {
        if (d.exponent < 0) {
            text += QStringLiteral("0") + point + QString(-d.exponent - 1, QLatin1Char('0'))
                + QString::fromLatin1(d.digits.c_str());
        } else if (n <= d.exponent + 1) {
            text += QString::fromLatin1(d.digits.c_str()) + QString(d.exponent + 1 - n, QLatin1Char('0'));
        } else {
            text += QString::fromLatin1(d.digits.c_str(), d.exponent + 1) + point
                + QString::fromLatin1(d.digits.c_str() + d.exponent + 1);
        }
    } else {
        text += QLatin1Char(d.digits[0]);
        if (n > 1)
            text += point + QString::fromLatin1(d.digits.c_str() + 1);
        text += QStringLiteral("E") + QString::number(d.exponent);
    }
    return text;
}

QString formatFixed(double value, int decimals, const QLocale& locale)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    Digits d = exactDigits(value);
    if (value == 0.0)
        d = Digits{"0", 0};
    // Keep every digit down to the last decimal place.
    d = roundDigits(d, d.exponent + 1 + decimals);

    // Lay the kept digits out on a grid of fixed places.
    std::string intPart;
    std::string fracPart;
    for (int place = std::max(d.exponent, 0); place >= -decimals; --place) {
        const int index = d.exponent - place;
        const char c = (index >= 0 && index < static_cast<int>(d.digits.size())) ? d.digits[index] : '0';
        (place >= 0 ? intPart : fracPart) += c;
    }
    const bool negative = value < 0 && !(allZero(intPart) && allZero(fracPart));
    QString text = negative ? QStringLiteral("-") : QString();
    text += QString::fromLatin1(intPart.c_str());
    if (decimals > 0)
        text += locale.decimalPoint() + QString::fromLatin1(fracPart.c_str());
    return text;
}

QString formatScientific4(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    Digits d = value == 0.0 ? Digits{"00000", 0} : roundDigits(exactDigits(value), 5);
    d.digits.resize(5, '0');
    const int exponent = value == 0.0 ? 0 : d.exponent;
    QString text = value < 0 ? QStringLiteral("-") : QString();
    text += QString(QLatin1Char(d.digits[0])) + locale.decimalPoint() + QString::fromLatin1(d.digits.c_str() + 1);
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    return text;
}

bool parseLocaleDouble(const QString& text, double& value, const QLocale& locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double parsed = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
