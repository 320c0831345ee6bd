#include "excel/workbook/CellNumber.h"

#include "text/NumberText.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace wb {

namespace {

// The symbols of the plain form in the current default locale, looked up
// again only when that locale changes.
struct PlainForm {
    QLocale locale;
    char16_t decimalPoint = u'.';
    bool usable = false;  // the locale writes numbers in the plain form
};

const PlainForm& plainForm()
{
    static PlainForm form;
    static bool known = false;
    const QLocale current;
    if (!known || !(current == form.locale)) {
        form.locale = current;
        const QString point = current.decimalPoint();
        form.usable = point.size() == 1 && !point[0].isDigit() && current.negativeSign() == QLatin1String("-") &&
                      current.exponential().compare(QLatin1String("e"), Qt::CaseInsensitive) == 0;
        form.decimalPoint = form.usable ? point[0].unicode() : u'.';
        known = true;
    }
    return form;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Copies -digits[<point>digits][(e|E)[+|-]digits] into `out` with a '.' for
// the point; false for any other text.
bool plainText(const std::u16string& text, char16_t point, char* out, std::size_t room, std::size_t& length)
{
    if (text.size() >= room)
        return false;
    std::size_t i = 0;
    const auto copyDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) {
            out[i] = static_cast<char>(text[i]);
            ++i;
        }
        return i > start;
    };
    if (i < text.size() && text[i] == u'-')
        out[i++] = '-';
    if (!copyDigits())
        return false;
    if (i < text.size() && text[i] == point) {
        out[i++] = '.';
        if (!copyDigits())
            return false;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        out[i++] = 'e';
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            out[i] = static_cast<char>(text[i]);
            ++i;
        }
        if (!copyDigits())
            return false;
    }
    length = i;
    return i == text.size();
}

} // namespace

bool readLocaleNumber(const std::u16string& text, double& value)
{
    const PlainForm& form = plainForm();
    if (form.usable) {
        char buffer[64];
        std::size_t length = 0;
        if (plainText(text, form.decimalPoint, buffer, sizeof buffer, length)) {
            double number = 0;
            const auto [end, error] = std::from_chars(buffer, buffer + length, number);
            if (error == std::errc() && end == buffer + length && std::isfinite(number)) {
                value = number;
                return true;
            }
        }
    }
    return parseLocaleDouble(QString::fromStdU16String(text), value);
}

} // namespace wb
