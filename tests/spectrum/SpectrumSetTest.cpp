#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"

#include <gtest/gtest.h>

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
    void spectrumAdded(int index, const KavrelSpectrum& s) override
    {
        events.push_back("added " + std::to_string(index) + " " + s.responseName);
    }
    void spectrumRemoved(int index) override { events.push_back("removed " + std::to_string(index)); }
    void spectraCleared() override { events.push_back("cleared"); }
    void visibilityChanged(int index, bool visible) override
    {
        events.push_back("visible " + std::to_string(index) + (visible ? " on" : " off"));
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
    const int alive = KavrelSpectrum::liveCount();
    EXPECT_THROW(set.add(spectrum("A")), std::invalid_argument);
    EXPECT_THROW(set.add(spectrum("")), std::invalid_argument);
    EXPECT_THROW(set.add(nullptr), std::invalid_argument);
    EXPECT_EQ(set.size(), 1);
    EXPECT_EQ(KavrelSpectrum::liveCount(), alive);  // the refused ones are released
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
    EXPECT_EQ(set.at(0).responseName, "B");
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

TEST(SpectrumSet, EverySpectrumIsReleasedExactlyOnce)
{
    const int before = KavrelSpectrum::liveCount();
    {
        SpectrumSet set;
        for (const char* name : {"A", "B", "C", "D"})
            set.add(spectrum(name));
        set.remove(1);
        EXPECT_EQ(KavrelSpectrum::liveCount(), before + 3);
        set.clear();
        EXPECT_EQ(KavrelSpectrum::liveCount(), before);
        set.add(spectrum("E"));
    }
    EXPECT_EQ(KavrelSpectrum::liveCount(), before);
}
