#pragma once

#include <cstdint>

// A colour travels in two byte orders. The spreadsheet application's
// automation value is red + 256 green + 65536 blue (0xBBGGRR); Qt, the .xlsx
// file and libxlsxwriter write 0xRRGGBB. Every crossing between the two goes
// through here, so that red and blue cannot trade places on one path only.

constexpr std::uint32_t automationColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return red + 256u * green + 65536u * blue;
}

// 0xRRGGBB of an automation value; bits above the low 24 are dropped.
constexpr std::uint32_t rgbFromAutomationColour(std::uint32_t value)
{
    return ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

// The automation value of 0xRRGGBB; the same swap of red and blue.
constexpr std::uint32_t automationColourFromRgb(std::uint32_t rrggbb)
{
    return rgbFromAutomationColour(rrggbb);
}
