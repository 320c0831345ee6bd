#include "spectrum/SpectrumSet.h"

#include "spectrum/KavrelSpectrum.h"

#include <algorithm>
#include <stdexcept>

SpectrumSet::Listener::~Listener() = default;

SpectrumSet::SpectrumSet() = default;

// Each spectrum is released once, in creation order, as Delete All does.
SpectrumSet::~SpectrumSet()
{
    for (Entry& entry : entries_)
        entry.spectrum.reset();
}

SpectrumSet::NameCheck SpectrumSet::checkNameForm(const std::string& name)
{
    if (name.size() >= NameLimit)
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

const KavrelSpectrum& SpectrumSet::at(int index) const
{
    checkIndex(index);
    return *entries_[static_cast<std::size_t>(index)].spectrum;
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
        positions_[entries_[i].spectrum->responseName] = static_cast<int>(i);
}

const KavrelSpectrum& SpectrumSet::add(std::unique_ptr<KavrelSpectrum> spectrum, bool visible,
                                       SpectrumOrigin origin)
{
    if (!spectrum || checkName(spectrum->responseName) != NameCheck::Accepted)
        throw std::invalid_argument("the spectrum's name cannot join the set");
    entries_.push_back({std::move(spectrum), visible, std::move(origin)});
    const int index = size() - 1;
    const KavrelSpectrum& added = *entries_.back().spectrum;
    positions_.emplace(added.responseName, index);
    // A view that cannot take the spectrum (memory exhausted) undoes the
    // addition everywhere it was made, so that all views still agree.
    std::size_t told = 0;
    try {
        for (; told < listeners_.size(); ++told)
            listeners_[told]->spectrumAdded(index, added);
    } catch (...) {
        const std::unique_ptr<KavrelSpectrum> undone = std::move(entries_.back().spectrum);
        positions_.erase(undone->responseName);
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
    std::unique_ptr<KavrelSpectrum> removed = std::move(entries_[static_cast<std::size_t>(index)].spectrum);
    entries_.erase(entries_.begin() + index);
    positions_.erase(removed->responseName);
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
        entry.spectrum.reset();
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
