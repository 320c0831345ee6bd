#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The rule of the set's names, in one place. A name is a narrow text (UTF-8)
// of fewer than itemNameLimit bytes. Where the program makes a name itself (a
// record from its file's name, a copy, an artificial record, a kept mean),
// it cuts it at a whole character and numbers it until it is free.

constexpr std::size_t itemNameLimit = 20;

// Whether `name` is short enough for the set (emptiness is the reader's
// question: a typed name and a file's name are refused in their own words).
inline bool withinNameLimit(const std::string& name)
{
    return name.size() < itemNameLimit;
}

// The longest start of `text` of at most `bytes` bytes that ends at a whole
// UTF-8 character.
std::string cutAtCharacter(const std::string& text, std::size_t bytes);

// The ways a made name is numbered: a second record of the same name
// ("north-2"), an artificial record ("EQ-A1"), a kept mean ("Mean of records 1").
namespace nameNumbering {
inline constexpr const char* copy = "-";
inline constexpr const char* artificial = "-A";
inline constexpr const char* keptMean = " ";
}

// `base` + `marker` + `number`, the base cut at a whole character so that the
// whole stays under `limit` bytes.
std::string numberedName(const std::string& base, const char* marker, int number,
                         std::size_t limit = itemNameLimit);

// The first numbered name from `first` on that `taken` does not refuse.
std::string firstFreeNumberedName(const std::string& base, const char* marker, int first,
                                  const std::function<bool(const std::string&)>& taken,
                                  std::size_t limit = itemNameLimit);

// `base` if it is free, else base-2, base-3, ...: the name of a record item
// that joins a set where `taken` names are in use.
std::string uniqueItemName(const std::string& base, std::size_t limit,
                           const std::function<bool(const std::string&)>& taken);
