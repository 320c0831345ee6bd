#pragma once

#include <cstdint>
#include <optional>

// The three design codes. The numbers are the code selection box's item
// index and the meaning of a code type in stored files; the code's own logic
// names the codes instead.
enum class DesignCode : std::int32_t {
    Gb50011_2010 = 0,
    Gb50011_2001 = 1,
    GbT51408_2021 = 2,
};

constexpr std::int32_t designCodeCount = 3;

// The code of a selection index or stored code type; nothing for any other
// number.
constexpr std::optional<DesignCode> designCodeOf(std::int32_t codeType)
{
    if (codeType < 0 || codeType >= designCodeCount)
        return std::nullopt;
    return static_cast<DesignCode>(codeType);
}

constexpr std::int32_t codeTypeOf(DesignCode code)
{
    return static_cast<std::int32_t>(code);
}

// The GB 50011 editions descend with 0.2^gamma eta2 - eta1 (T - 5 Tg) beyond
// 5 Tg; GB/T 51408 keeps the power curve to the end.
constexpr bool hasStraightDescent(DesignCode code)
{
    return code != DesignCode::GbT51408_2021;
}

// Designation of the code, e.g. "GB 50011-2010".
constexpr const char* designCodeName(DesignCode code)
{
    switch (code) {
    case DesignCode::Gb50011_2010:
        return "GB 50011-2010";
    case DesignCode::Gb50011_2001:
        return "GB 50011-2001";
    case DesignCode::GbT51408_2021:
        return "GB/T 51408-2021";
    }
    return "";
}
