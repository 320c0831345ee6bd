#include "spectrum/ItemName.h"

std::string cutAtCharacter(const std::string& text, std::size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

std::string numberedName(const std::string& base, const char* marker, int number, std::size_t limit)
{
    const std::string suffix = marker + std::to_string(number);
    const std::size_t room = limit - 1 > suffix.size() ? limit - 1 - suffix.size() : 0;
    return cutAtCharacter(base, room) + suffix;
}

std::string firstFreeNumberedName(const std::string& base, const char* marker, int first,
                                  const std::function<bool(const std::string&)>& taken, std::size_t limit)
{
    for (int number = first;; ++number) {
        std::string name = numberedName(base, marker, number, limit);
        if (!taken(name))
            return name;
    }
}

std::string uniqueItemName(const std::string& base, std::size_t limit,
                           const std::function<bool(const std::string&)>& taken)
{
    return taken(base) ? firstFreeNumberedName(base, nameNumbering::copy, 2, taken, limit) : base;
}
