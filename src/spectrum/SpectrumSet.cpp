#include "spectrum/SpectrumSet.h"

#include "spectrum/KavrelSpectrum.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

SpectrumSet::Listener::~Listener() = default;

SpectrumSet::SpectrumSet() = default;

// Each item is released once, in creation order, as Delete All does.
SpectrumSet::~SpectrumSet()
{
    for (Entry& entry : entries_)
        entry.item.reset();
}

SpectrumSet::NameCheck SpectrumSet::checkNameForm(const std::string& name)
{
    if (!withinNameLimit(name))
        return NameCheck::TooLong;
    if (name.empty())
        return NameCheck::Empty;
    return NameCheck::Accepted;
}

SpectrumSet::NameCheck SpectrumSet::checkName(const std::string& name) const
{
    const NameCheck form = checkNameForm(name);
    if (form != NameCheck::Accepted)
        return form;
    return contains(name) ? NameCheck::Taken : NameCheck::Accepted;
}

void SpectrumSet::checkIndex(int index) const
{
    if (index < 0 || index >= size())
        throw std::out_of_range("no spectrum at that position of the set");
}

const SetItem& SpectrumSet::item(int index) const
{
    checkIndex(index);
    return *entries_[static_cast<std::size_t>(index)].item;
}

const KavrelSpectrum* SpectrumSet::spectrumAt(int index) const
{
    return codeSpectrumOf(item(index));
}

bool SpectrumSet::isVisible(int index) const
{
    checkIndex(index);
    return entries_[static_cast<std::size_t>(index)].visible;
}

const SpectrumOrigin& SpectrumSet::origin(int index) const
{
    checkIndex(index);
    return entries_[static_cast<std::size_t>(index)].origin;
}

int SpectrumSet::indexOf(const std::string& name) const
{
    const auto found = positions_.find(name);
    return found == positions_.end() ? -1 : found->second;
}

// Positions from `index` on, after the entries there have moved.
void SpectrumSet::renumberFrom(int index)
{
    for (std::size_t i = static_cast<std::size_t>(index); i < entries_.size(); ++i)
        positions_[entries_[i].item->name()] = static_cast<int>(i);
}

const KavrelSpectrum& SpectrumSet::add(std::unique_ptr<KavrelSpectrum> spectrum, bool visible,
                                       SpectrumOrigin origin)
{
    if (!spectrum)
        throw std::invalid_argument("the spectrum's name cannot join the set");
    return static_cast<const CodeSpectrumItem&>(
               add(std::make_unique<CodeSpectrumItem>(std::move(spectrum)), visible, std::move(origin)))
        .spectrum();
}

const SetItem& SpectrumSet::add(std::unique_ptr<SetItem> item, bool visible, SpectrumOrigin origin)
{
    if (!item || checkName(item->name()) != NameCheck::Accepted)
        throw std::invalid_argument("the item's name cannot join the set");
    entries_.push_back({std::move(item), visible, std::move(origin)});
    const int index = size() - 1;
    const SetItem& added = *entries_.back().item;
    positions_.emplace(added.name(), index);
    // A view that cannot take the spectrum (memory exhausted) undoes the
    // addition everywhere it was made, so that all views still agree.
    std::size_t told = 0;
    try {
        for (; told < listeners_.size(); ++told)
            listeners_[told]->spectrumAdded(index, added);
    } catch (...) {
        const std::unique_ptr<SetItem> undone = std::move(entries_.back().item);
        positions_.erase(undone->name());
        entries_.pop_back();
        for (std::size_t i = 0; i < told; ++i)
            listeners_[i]->spectrumRemoved(index);
        throw;
    }
    ++revision_;
    return added;
}

void SpectrumSet::remove(int index)
{
    checkIndex(index);
    // Out of the set before the views hear of it, released after them.
    std::unique_ptr<SetItem> removed = std::move(entries_[static_cast<std::size_t>(index)].item);
    entries_.erase(entries_.begin() + index);
    positions_.erase(removed->name());
    renumberFrom(index);
    ++revision_;
    for (Listener* listener : listeners_)
        listener->spectrumRemoved(index);
}

void SpectrumSet::clear()
{
    std::vector<Entry> removed;
    removed.swap(entries_);
    positions_.clear();
    ++revision_;
    for (Listener* listener : listeners_)
        listener->spectraCleared();
    for (Entry& entry : removed)
        entry.item.reset();
}

void SpectrumSet::replace(int index, std::unique_ptr<SetItem> item)
{
    checkIndex(index);
    std::unique_ptr<SetItem>& place = entries_[static_cast<std::size_t>(index)].item;
    if (!item || item->name() != place->name() || item->kind() != place->kind())
        throw std::invalid_argument("only an item of the same name and kind can take the place");
    // The old item stays alive until every view has taken the new one.
    const std::unique_ptr<SetItem> old = std::exchange(place, std::move(item));
    ++revision_;
    for (Listener* listener : listeners_)
        listener->itemChanged(index, *place);
}

void SpectrumSet::setVisible(int index, bool visible)
{
    checkIndex(index);
    entries_[static_cast<std::size_t>(index)].visible = visible;
    ++revision_;
    for (Listener* listener : listeners_)
        listener->visibilityChanged(index, visible);
}

void SpectrumSet::addListener(Listener* listener)
{
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void SpectrumSet::removeListener(Listener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}
