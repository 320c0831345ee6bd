#pragma once

#include <memory>
#include <string>
#include <vector>

class KavrelSpectrum;

// One item of a spectrum set: a code spectrum, a ground-motion record's
// response spectrum, or a curve given by its points (a kept mean spectrum). The views and writers ask every item the same few
// things (its name, its values at the periods they draw or write, how its
// curve is drawn); only the places that show an item's parameters ask which
// kind it is.
class SetItem {
public:
    enum class Kind { CodeSpectrum, Record, TabulatedCurve };
    // Records are drawn dashed and tabulated curves dash-dot, so that each
    // kind is told from code spectra at a glance.
    enum class LineStyle { Solid, Dashed, DashDot };

    virtual ~SetItem();

    virtual Kind kind() const = 0;
    virtual const std::string& name() const = 0;
    // Ordinates in g at exactly these periods (seconds), in order; the list
    // stops before the first period the item does not reach.
    virtual std::vector<double> valuesAt(const std::vector<double>& periods) const = 0;
    virtual LineStyle lineStyle() const = 0;
};

// A code spectrum as an item of the set; the spectrum itself is unchanged.
class CodeSpectrumItem final : public SetItem {
public:
    explicit CodeSpectrumItem(std::unique_ptr<KavrelSpectrum> spectrum);
    ~CodeSpectrumItem() override;
    // Stands for a spectrum owned elsewhere, which must outlive it: for the
    // writers' overloads that take spectra alone.
    static std::unique_ptr<CodeSpectrumItem> borrowing(const KavrelSpectrum& spectrum);

    Kind kind() const override { return Kind::CodeSpectrum; }
    const std::string& name() const override;
    // alpha at each period, up to the first that alphaAt refuses (beyond 6 s).
    std::vector<double> valuesAt(const std::vector<double>& periods) const override;
    LineStyle lineStyle() const override { return LineStyle::Solid; }

    const KavrelSpectrum& spectrum() const { return *spectrum_; }

private:
    explicit CodeSpectrumItem(const KavrelSpectrum* borrowed);

    std::unique_ptr<KavrelSpectrum> owned_;
    const KavrelSpectrum* spectrum_;
};

// The code spectrum of an item, or null for an item of another kind.
const KavrelSpectrum* codeSpectrumOf(const SetItem& item);
