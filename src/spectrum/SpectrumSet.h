#pragma once

#include "spectrum/ItemName.h"
#include "spectrum/SetItem.h"
#include "spectrum/SpectrumOrigin.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class KavrelSpectrum;

// The set's items (code spectra and records) in creation order, owned, each
// with its check mark (whether its curve is meant to be shown). Names are
// unique, compared byte for byte. The views (chart, check list, grid) follow
// the set through its listeners instead of matching names among themselves.
class SpectrumSet {
public:
    class Listener {
    public:
        virtual ~Listener();
        virtual void spectrumAdded(int index, const SetItem& item) = 0;
        virtual void spectrumRemoved(int index) = 0;
        virtual void spectraCleared() = 0;
        virtual void visibilityChanged(int index, bool visible) = 0;
        // The item at `index` was replaced by one of the same name and kind
        // whose values differ (a record's target peak or damping).
        virtual void itemChanged(int index, const SetItem& item) = 0;
    };

    // Why a name cannot be given to a new spectrum.
    enum class NameCheck { Accepted, Empty, TooLong, Taken };
    // Names are narrow strings of fewer than this many bytes (spectrum/ItemName).
    static constexpr std::size_t NameLimit = itemNameLimit;

    SpectrumSet();
    ~SpectrumSet();
    SpectrumSet(const SpectrumSet&) = delete;
    SpectrumSet& operator=(const SpectrumSet&) = delete;

    // The length and emptiness rules alone, for a name on its own.
    static NameCheck checkNameForm(const std::string& name);
    // The same, and that no spectrum of the set has it.
    NameCheck checkName(const std::string& name) const;

    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const SetItem& item(int index) const;
    // The code spectrum at `index`, or null where the item is a record.
    const KavrelSpectrum* spectrumAt(int index) const;
    bool isVisible(int index) const;
    const SpectrumOrigin& origin(int index) const;
    // Position of the spectrum of that name, or -1.
    int indexOf(const std::string& name) const;
    bool contains(const std::string& name) const { return indexOf(name) >= 0; }

    // Appends a spectrum, shown or not, with the selections it came from;
    // listeners see its check mark already set. Throws std::invalid_argument,
    // changing nothing, when its name is refused by checkName; an exception
    // from a listener is passed on after the addition has been undone.
    const SetItem& add(std::unique_ptr<SetItem> item, bool visible = true, SpectrumOrigin origin = {});
    // A code spectrum as an item.
    const KavrelSpectrum& add(std::unique_ptr<KavrelSpectrum> spectrum, bool visible = true,
                              SpectrumOrigin origin = {});
    // Puts `item` in the place of the one at `index`, which it must match in
    // name and kind (std::invalid_argument otherwise, changing nothing); the
    // check mark and origin stay.
    void replace(int index, std::unique_ptr<SetItem> item);
    void remove(int index);
    void clear();
    void setVisible(int index, bool visible);

    // Goes up with every change of spectra, order or check marks, so that a
    // window can tell whether the set has changed since it was saved.
    std::uint64_t revision() const { return revision_; }

    void addListener(Listener* listener);
    void removeListener(Listener* listener);

private:
    struct Entry {
        std::unique_ptr<SetItem> item;
        bool visible;
        SpectrumOrigin origin;
    };

    void checkIndex(int index) const;
    void renumberFrom(int index);

    std::vector<Entry> entries_;
    // Each name's position, so that a name check on a large set is no walk.
    std::unordered_map<std::string, int> positions_;
    std::vector<Listener*> listeners_;
    std::uint64_t revision_ = 0;
};
