#pragma once

#include <cstddef>

// The five selections' items, each in the words of every place that names
// it: the selection box's text (UTF-8; its position is the item index the
// code tables take), the command line's word and the word a set file keeps as
// the spectrum's origin.

struct SelectionChoice {
    const char* boxText;
    const char* word;
    const char* originWord;
};

struct SelectionChoices {
    const SelectionChoice* items;
    std::size_t count;

    const SelectionChoice* begin() const { return items; }
    const SelectionChoice* end() const { return items + count; }
    // The item at `index`, or nothing when the index is out of range.
    const SelectionChoice* at(int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < count ? items + index : nullptr;
    }
};

const SelectionChoices& codeChoices();
const SelectionChoices& intensityChoices();
const SelectionChoices& actionChoices();
const SelectionChoices& siteChoices();
const SelectionChoices& groupChoices();
