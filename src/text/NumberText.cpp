#include "text/NumberText.h"

#include "text/FigureText.h"

#include <algorithm>
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

const char* nonFinite(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Whether `magnitude` * 2^bits is a whole number. Every double exactly half
// way between two texts that keep d decimals is one for bits = d + 1 (half of
// 10^-d is an odd number over 2^(d+1) * 5^d, and a double has no 5 in its
// denominator), so the shortcuts below leave such doubles to the digit path.
bool mayBeHalfWay(double magnitude, int bits)
{
    const double scaled = std::ldexp(magnitude, bits);
    return scaled == std::floor(scaled);
}

// The patterns worked out digit by digit from 60 significant digits of the
// double, with "." as the separator: slow, and the reference that the
// shortcuts must match byte for byte.
std::string exactFixed(double value, int decimals)
{
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
    std::string text = negative ? "-" : "";
    text += intPart;
    if (decimals > 0)
        text += '.' + fracPart;
    return text;
}

std::string exactScientific4(double value)
{
    Digits d = value == 0.0 ? Digits{"00000", 0} : roundDigits(exactDigits(value), 5);
    d.digits.resize(5, '0');
    const int exponent = value == 0.0 ? 0 : d.exponent;
    std::string text = value < 0 ? "-" : "";
    text += d.digits[0];
    text += '.';
    text.append(d.digits, 1, 4);
    text += exponent < 0 ? "E-" : "E+";
    const int size = std::abs(exponent);
    if (size < 10)
        text += '0';
    text += std::to_string(size);
    return text;
}

// Appends `text`, which holds "." as its separator, with `point` instead.
void appendWithPoint(std::string& out, const std::string& text, std::string_view point)
{
    const auto dot = text.find('.');
    if (dot == std::string::npos) {
        out += text;
        return;
    }
    out.append(text, 0, dot);
    out += point;
    out.append(text, dot + 1, std::string::npos);
}

QString withLocalePoint(const std::string& text, const QLocale& locale)
{
    QString result = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QString point = locale.decimalPoint();
    if (point != QLatin1String("."))
        result.replace(QLatin1Char('.'), point);
    return result;
}

// The general form of rounded digits: fixed notation for exponents from -4
// up to 14, otherwise scientific; trailing zeros dropped.
QString generalText(Digits d, bool negative, const QLocale& locale)
{
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();

    const QString point = locale.decimalPoint();
    QString text = negative ? QStringLiteral("-") : QString();
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

} // namespace

void appendFixed(std::string& out, double value, int decimals, std::string_view point)
{
    if (!std::isfinite(value)) {
        out += nonFinite(value);
        return;
    }
    const double magnitude = std::fabs(value);
    // to_chars rounds to nearest on the exact value, as the pattern does,
    // except at an exact half (to even); below 1E15 its digits are those of
    // the exact path, which keeps 60 significant digits.
    if (decimals >= 0 && decimals <= 9 && magnitude < 1e15 && !mayBeHalfWay(magnitude, decimals + 1)) {
        char buffer[32];
        char* const end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed,
                                        decimals).ptr;
        if (value < 0 && std::find_if(buffer, end, [](char c) { return c > '0' && c <= '9'; }) != end)
            out += '-';
        if (decimals == 0) {
            out.append(buffer, end);
            return;
        }
        char* const dot = end - decimals - 1;
        out.append(buffer, dot);
        out += point;
        out.append(dot + 1, end);
        return;
    }
    appendWithPoint(out, exactFixed(value, decimals), point);
}

void appendScientific4(std::string& out, double value, std::string_view point)
{
    if (!std::isfinite(value)) {
        out += nonFinite(value);
        return;
    }
    const double magnitude = std::fabs(value);
    // As in appendFixed; within these bounds no double lies so near a half
    // that 60 significant digits would round it differently from the exact
    // value.
    if (magnitude >= 1e-50 && magnitude < 1e50) {
        char buffer[32];
        char* const end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                        4).ptr;
        // "d.dddde-xx": the exponent has a sign and at least two digits.
        const char* const e = buffer + 6;
        int exponent = 0;
        std::from_chars(e + 2, end, exponent);
        if (e[1] == '-')
            exponent = -exponent;
        // The place of the last kept digit is 4 below the first digit's,
        // which is `exponent` or, after a carry, one less.
        if (!mayBeHalfWay(magnitude, std::max(6 - exponent, 1))) {
            if (value < 0)
                out += '-';
            out += buffer[0];
            out += point;
            out.append(buffer + 2, 4);
            out += 'E';
            out.append(e + 1, static_cast<std::size_t>(end - (e + 1)));
            return;
        }
    }
    appendWithPoint(out, value == 0.0 ? std::string("0.0000E+00") : exactScientific4(value), point);
}

QString formatGeneral(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return QString::fromLatin1(nonFinite(value));
    if (value == 0.0)
        return QStringLiteral("0");
    return generalText(roundDigits(exactDigits(value), 15), value < 0, locale);
}

QString formatFigure(double value, int significant, int decimals, const QLocale& locale)
{
    if (!std::isfinite(value) || value == 0.0)
        return formatGeneral(value == 0.0 ? 0.0 : value, locale);
    // On the exact digits: a scale of 10^313 for a tiny value would overflow.
    const Digits exact = exactDigits(value);
    const Digits d = roundDigits(exact, std::min(significant, exact.exponent + 1 + decimals));
    if (allZero(d.digits))
        return QStringLiteral("0");
    return generalText(d, value < 0, locale);
}

QString formatFixed(double value, int decimals, const QLocale& locale)
{
    std::string text;
    appendFixed(text, value, decimals, ".");
    return withLocalePoint(text, locale);
}

QString formatScientific4(double value, const QLocale& locale)
{
    std::string text;
    appendScientific4(text, value, ".");
    return withLocalePoint(text, locale);
}

namespace {

// Wide enough for any double in fixed notation with as many decimals as the
// shortest text of any double has.
constexpr int shortestBufferSize = 800;

void appendShortestIn(std::string& out, double value, std::chars_format style)
{
    char buffer[shortestBufferSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, style);
    out.append(buffer, result.ptr);
}

} // namespace

void appendShortest(std::string& out, double value)
{
    appendShortestIn(out, value, std::chars_format::general);
}

void appendShortestFixed(std::string& out, double value)
{
    appendShortestIn(out, value, std::chars_format::fixed);
}

std::string shortestText(double value)
{
    std::string text;
    appendShortest(text, value);
    return text;
}

QString shortestQString(double value)
{
    return QString::fromStdString(shortestText(value));
}

namespace {

// The symbols of the plain form in a locale, looked up again only when the
// locale asked for changes: the lookup costs more than the reading.
struct PlainForm {
    QLocale locale;
    char16_t decimalPoint = u'.';
    bool usable = false;  // the locale writes numbers in the plain form
};

const PlainForm& plainForm(const QLocale& current)
{
    static thread_local PlainForm form;
    static thread_local bool known = false;
    if (!known || !(current == form.locale)) {
        form.locale = current;
        const QString point = current.decimalPoint();
        form.usable = point.size() == 1 && !point[0].isDigit() && current.negativeSign() == QLatin1String("-")
            && current.exponential().compare(QLatin1String("e"), Qt::CaseInsensitive) == 0;
        form.decimalPoint = form.usable ? point[0].unicode() : u'.';
        known = true;
    }
    return form;
}

// Reads -digits[<point>digits][(e|E)[+|-]digits], the form that number texts
// almost always take, without the locale machinery; false for any other text.
bool readPlainForm(QStringView text, char16_t point, double& value)
{
    char buffer[64];
    if (text.size() >= static_cast<qsizetype>(sizeof buffer))
        return false;
    qsizetype i = 0;
    const auto isDigit = [&text, &i] { return i < text.size() && text[i] >= u'0' && text[i] <= u'9'; };
    const auto copyDigits = [&] {
        const qsizetype start = i;
        for (; isDigit(); ++i)
            buffer[i] = static_cast<char>(text[i].unicode());
        return i > start;
    };
    if (i < text.size() && text[i] == u'-')
        buffer[i++] = '-';
    if (!copyDigits())
        return false;
    if (i < text.size() && text[i] == point) {
        buffer[i++] = '.';
        if (!copyDigits())
            return false;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        buffer[i++] = 'e';
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            buffer[i] = static_cast<char>(text[i].unicode());
            ++i;
        }
        if (!copyDigits())
            return false;
    }
    if (i != text.size())
        return false;
    double number = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + i, number);
    if (error != std::errc() || end != buffer + i || !std::isfinite(number))
        return false;
    value = number;
    return true;
}

} // namespace

bool parseLocaleDouble(QStringView text, double& value, const QLocale& locale)
{
    const PlainForm& form = plainForm(locale);
    if (form.usable && readPlainForm(text, form.decimalPoint, value))
        return true;
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double parsed = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

int shortestDecimals(double value)
{
    std::string text;
    appendShortestFixed(text, value);
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

double roundedToDecimals(double value, int decimals)
{
    char buffer[shortestBufferSize];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc())
        return value;
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded, std::chars_format::fixed);
    return rounded;
}
