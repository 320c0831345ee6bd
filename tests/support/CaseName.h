#pragma once

#include <cctype>
#include <string>
#include <string_view>

// A test case's name from its description, as a parameterized test's name
// generator needs it: "columns, one value a line" becomes
// "ColumnsOneValueALine" (letters and digits only, each word capitalized).
inline std::string caseName(std::string_view description)
{
    std::string name;
    bool wordStart = true;
    for (const char c : description) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) == 0) {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(byte)) : c;
        wordStart = false;
    }
    return name;
}
