#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::unique_ptr<KavrelSpectrum> spectrum(const std::string& name)
{
    return std::make_unique<KavrelSpectrum>(name, 0.04, 0.2, 0.05, 0);
}

// Writes down what the set told it, one line an event.
class Journal : public SpectrumSet::Listener {
public:
    void spectrumAdded(int index, const SetItem& s) override
    {
        events.push_back("added " + std::to_string(index) + " " + s.name());
    }
    void spectrumRemoved(int index) override { events.push_back("removed " + std::to_string(index)); }
    void spectraCleared() override { events.push_back("cleared"); }
    void visibilityChanged(int index, bool visible) override
    {
        events.push_back("visible " + std::to_string(index) + (visible ? " on" : " off"));
    }
    void itemChanged(int index, const SetItem& s) override
    {
        events.push_back("changed " + std::to_string(index) + " " + s.name());
    }
    std::vector<std::string> events;
};

} // namespace

TEST(SpectrumSet, NamesAreCheckedInBytesAndCaseSensitively)
{
    SpectrumSet set;
    set.add(spectrum("Site A"));
    EXPECT_EQ(set.checkName("Site A"), SpectrumSet::NameCheck::Taken);
    EXPECT_EQ(set.checkName("site A"), SpectrumSet::NameCheck::Accepted);
    EXPECT_EQ(set.checkName(""), SpectrumSet::NameCheck::Empty);
    EXPECT_EQ(set.checkName(std::string(19, 'x')), SpectrumSet::NameCheck::Accepted);
    EXPECT_EQ(set.checkName(std::string(20, 'x')), SpectrumSet::NameCheck::TooLong);
    // Six Han characters are 18 bytes in UTF-8, seven are 21.
    EXPECT_EQ(set.checkName("设防地震设防"), SpectrumSet::NameCheck::Accepted);
    EXPECT_EQ(set.checkName("设防地震设防地"), SpectrumSet::NameCheck::TooLong);
}

TEST(SpectrumSet, ARefusedSpectrumChangesNothingAndIsNotAnnounced)
{
    SpectrumSet set;
    Journal journal;
    set.addListener(&journal);
    set.add(spectrum("A"));
    EXPECT_THROW(set.add(spectrum("A")), std::invalid_argument);
    EXPECT_THROW(set.add(spectrum("")), std::invalid_argument);
    EXPECT_THROW(set.add(std::unique_ptr<KavrelSpectrum>()), std::invalid_argument);
    EXPECT_THROW(set.add(std::unique_ptr<SetItem>()), std::invalid_argument);
    EXPECT_EQ(set.size(), 1);
    EXPECT_EQ(journal.events, std::vector<std::string>{"added 0 A"});
}

TEST(SpectrumSet, ListenersHearEveryChangeInOrderWithPositions)
{
    SpectrumSet set;
    Journal journal;
    set.addListener(&journal);
    set.add(spectrum("A"));
    set.add(spectrum("B"));
    set.add(spectrum("C"));
    set.setVisible(1, false);
    EXPECT_FALSE(set.isVisible(1));
    EXPECT_TRUE(set.isVisible(2));
    set.remove(0);
    EXPECT_EQ(set.item(0).name(), "B");
    EXPECT_FALSE(set.isVisible(0));  // the mark moves with its spectrum
    EXPECT_EQ(set.indexOf("C"), 1);
    EXPECT_EQ(set.indexOf("A"), -1);
    set.clear();
    EXPECT_TRUE(set.empty());
    set.removeListener(&journal);
    set.add(spectrum("D"));
    EXPECT_EQ(journal.events, (std::vector<std::string>{"added 0 A", "added 1 B", "added 2 C",
                                                        "visible 1 off", "removed 0", "cleared"}));
    EXPECT_THROW(set.remove(5), std::out_of_range);
    EXPECT_THROW(set.setVisible(-1, true), std::out_of_range);
}

// The views build their entries when told of an addition, so the mark must
// already be set then; a window compares revisions to know of unsaved changes.
TEST(SpectrumSet, AnAddedSpectrumCarriesItsMarkAndOriginAndEveryChangeCounts)
{
    SpectrumSet set;
    struct MarkAtAddition : SpectrumSet::Listener {
        const SpectrumSet* set = nullptr;
        std::vector<bool> seen;
        void spectrumAdded(int index, const SetItem&) override { seen.push_back(set->isVisible(index)); }
        void itemChanged(int, const SetItem&) override {}
        void spectrumRemoved(int) override {}
        void spectraCleared() override {}
        void visibilityChanged(int, bool) override {}
    } listener;
    listener.set = &set;
    set.addListener(&listener);

    const SpectrumOrigin origin = originOfSelections(1, 2, 2, 0);
    EXPECT_EQ(origin.intensity, "7 (0.10 g)");
    EXPECT_EQ(origin.action, "rare");
    EXPECT_EQ(origin.site, "II");
    EXPECT_EQ(origin.group, "1");
    EXPECT_TRUE(originOfSelections(6, 4, 5, 3).empty());

    std::uint64_t revision = set.revision();
    auto changed = [&] {
        const bool moved = set.revision() != revision;
        revision = set.revision();
        return moved;
    };
    set.add(spectrum("A"));
    EXPECT_TRUE(changed());
    set.add(spectrum("B"), false, origin);
    EXPECT_TRUE(changed());
    EXPECT_EQ(listener.seen, (std::vector<bool>{true, false}));
    EXPECT_EQ(set.origin(1), origin);
    EXPECT_TRUE(set.origin(0).empty());

    EXPECT_THROW(set.add(spectrum("A")), std::invalid_argument);
    EXPECT_FALSE(changed());
    set.setVisible(1, true);
    EXPECT_TRUE(changed());
    set.remove(0);
    EXPECT_TRUE(changed());
    EXPECT_EQ(set.origin(0), origin);  // the origin moves with its spectrum
    set.clear();
    EXPECT_TRUE(changed());
}

// Positions by name stay right through every change: after each step every
// name is found where the set holds it and no other name is found.
TEST(SpectrumSet, NamesAreFoundAtTheirPositionsThroughEveryChange)
{
    class Refusing : public SpectrumSet::Listener {
    public:
        void spectrumAdded(int, const SetItem& s) override
        {
            if (s.name() == "X")
                throw std::runtime_error("no room");
        }
        void spectrumRemoved(int) override {}
        void spectraCleared() override {}
        void visibilityChanged(int, bool) override {}
        void itemChanged(int, const SetItem&) override {}
    } refusing;
    SpectrumSet set;
    set.addListener(&refusing);
    const auto expectNames = [&set](const std::vector<std::string>& names, const char* step) {
        ASSERT_EQ(set.size(), static_cast<int>(names.size())) << step;
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(set.indexOf(names[i]), static_cast<int>(i)) << step << " " << names[i];
        for (const char* gone : {"A", "B", "C", "D", "E", "X"}) {
            if (std::find(names.begin(), names.end(), gone) == names.end()) {
                EXPECT_FALSE(set.contains(gone)) << step << " " << gone;
            }
        }
    };
    for (const char* name : {"A", "B", "C", "D", "E"})
        set.add(spectrum(name));
    expectNames({"A", "B", "C", "D", "E"}, "added");
    set.remove(1);
    expectNames({"A", "C", "D", "E"}, "middle removed");
    set.remove(3);
    expectNames({"A", "C", "D"}, "last removed");
    EXPECT_THROW(set.add(spectrum("X")), std::runtime_error);
    expectNames({"A", "C", "D"}, "addition undone");
    EXPECT_EQ(set.checkName("B"), SpectrumSet::NameCheck::Accepted);  // a removed name is free again
    set.add(spectrum("B"));
    expectNames({"A", "C", "D", "B"}, "name used again");
    set.clear();
    expectNames({}, "cleared");
    set.add(spectrum("C"));
    expectNames({"C"}, "after clearing");
}
