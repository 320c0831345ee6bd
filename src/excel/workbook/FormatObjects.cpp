#include "excel/workbook/FormatObjects.h"

#include "excel/ColourValue.h"
#include "text/NumberText.h"

#include <cmath>

namespace wb {

namespace {

// The default line width of a chart part, and the default font size.
constexpr double DefaultWeight = 0.75;
constexpr double DefaultFontSize = 10.0;
constexpr std::uint32_t MaxRgb = 0xFFFFFF;

QString numberText(double value)
{
    return shortestQString(value);
}

} // namespace

std::uint32_t themeColorValue(std::int32_t theme)
{
    // Dark 1, light 1, dark 2, light 2, accents 1 to 6, hyperlink, followed
    // hyperlink, text 1, background 1, text 2, background 2.
    static const std::uint32_t colors[] = {
        0x000000, 0xFFFFFF, 0x44546A, 0xE7E6E6, 0x4472C4, 0xED7D31, 0xA5A5A5, 0xFFC000,
        0x5B9BD5, 0x70AD47, 0x0563C1, 0x954F72, 0x000000, 0xFFFFFF, 0x44546A, 0xE7E6E6,
    };
    if (theme < xl::FirstThemeColor || theme > xl::LastThemeColor)
        return 0;
    return automationColourFromRgb(colors[theme - xl::FirstThemeColor]);
}

const std::vector<Member<ChartFormat>>& ChartFormat::members()
{
    static const std::vector<Member<ChartFormat>> table = {
        {"Line", Get, 0, 0, &ChartFormat::line},
        {"Fill", Get, 0, 0, &ChartFormat::fill},
    };
    return table;
}

void ChartFormat::line(const Call& call)
{
    answerObject<LineFormat>(call, line_);
}

void ChartFormat::fill(const Call& call)
{
    if (!fill_)
        fail(QStringLiteral("The format of the %1 has no fill here; only a series' markers have one.")
                 .arg(QLatin1String(owner_)));
    answerObject<FillFormat>(call, *fill_);
}

const std::vector<Member<LineFormat>>& LineFormat::members()
{
    static const std::vector<Member<LineFormat>> table = {
        {"Visible", Get | Put, 0, 0, &LineFormat::visible},
        {"ForeColor", Get, 0, 0, &LineFormat::foreColor},
        {"Weight", Get | Put, 0, 0, &LineFormat::weight},
        {"DashStyle", Get | Put, 0, 0, &LineFormat::dashStyle},
    };
    return table;
}

void LineFormat::visible(const Call& call)
{
    if (call.isPut())
        line_.visible = call.boolValue();
    else
        call.answer(Variant::fromBool(line_.visible.value_or(true)));
}

void LineFormat::foreColor(const Call& call)
{
    answerObject<ColorFormat>(call, line_.color);
}

void LineFormat::weight(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromDouble(line_.weight.value_or(DefaultWeight)));
        return;
    }
    const double weight = call.numberValue();
    if (weight < 0 || weight > xl::MaxLineWeight)
        fail(QStringLiteral("A line weight must lie from 0 to %1 points, not %2.")
                 .arg(numberText(xl::MaxLineWeight), numberText(weight)));
    line_.weight = weight;
}

void LineFormat::dashStyle(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromInt32(line_.dashStyle.value_or(xl::LineSolid)));
        return;
    }
    const std::int32_t style = call.intValue();
    if (style < xl::LineSolid || style > xl::LineLongDashDot)
        fail(QStringLiteral("A line's dash style must be an MsoLineDashStyle from %1 to %2, not %3.")
                 .arg(xl::LineSolid)
                 .arg(xl::LineLongDashDot)
                 .arg(style));
    line_.dashStyle = style;
}

const std::vector<Member<FillFormat>>& FillFormat::members()
{
    static const std::vector<Member<FillFormat>> table = {
        {"Visible", Get | Put, 0, 0, &FillFormat::visible},
        {"ForeColor", Get, 0, 0, &FillFormat::foreColor},
    };
    return table;
}

void FillFormat::visible(const Call& call)
{
    if (call.isPut())
        fill_.visible = call.boolValue();
    else
        call.answer(Variant::fromBool(fill_.visible.value_or(true)));
}

void FillFormat::foreColor(const Call& call)
{
    answerObject<ColorFormat>(call, fill_.color);
}

const std::vector<Member<ColorFormat>>& ColorFormat::members()
{
    static const std::vector<Member<ColorFormat>> table = {
        {"RGB", Get | Put, 0, 0, &ColorFormat::rgb},
        {"ObjectThemeColor", Get | Put, 0, 0, &ColorFormat::objectThemeColor},
    };
    return table;
}

void ColorFormat::rgb(const Call& call)
{
    if (!call.isPut()) {
        const std::uint32_t value =
            color_.kind == ColorData::Kind::Theme ? themeColorValue(color_.theme) : color_.rgb;
        call.answer(Variant::fromInt32(static_cast<std::int32_t>(value)));
        return;
    }
    const double value = call.numberValue();
    if (value < 0 || value > MaxRgb || value != std::floor(value))
        fail(QStringLiteral("An RGB colour is a whole number from 0 to %1 (red + 256 green + 65536 blue), not %2.")
                 .arg(MaxRgb)
                 .arg(numberText(value)));
    color_.kind = ColorData::Kind::Rgb;
    color_.rgb = static_cast<std::uint32_t>(value);
}

void ColorFormat::objectThemeColor(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromInt32(color_.kind == ColorData::Kind::Theme ? color_.theme : 0));
        return;
    }
    const std::int32_t theme = call.intValue();
    if (theme < xl::FirstThemeColor || theme > xl::LastThemeColor)
        fail(QStringLiteral("A theme colour is a number from %1 to %2, not %3.")
                 .arg(xl::FirstThemeColor)
                 .arg(xl::LastThemeColor)
                 .arg(theme));
    color_.kind = ColorData::Kind::Theme;
    color_.theme = theme;
}

const std::vector<Member<Font>>& Font::members()
{
    static const std::vector<Member<Font>> table = {
        {"Size", Get | Put, 0, 0, &Font::size},
    };
    return table;
}

void Font::size(const Call& call)
{
    if (!call.isPut()) {
        call.answer(Variant::fromDouble(font_.size.value_or(DefaultFontSize)));
        return;
    }
    const double size = call.numberValue();
    if (size < xl::MinFontSize || size > xl::MaxFontSize)
        fail(QStringLiteral("A font size must lie from %1 to %2 points, not %3.")
                 .arg(numberText(xl::MinFontSize), numberText(xl::MaxFontSize), numberText(size)));
    font_.size = size;
}

} // namespace wb
