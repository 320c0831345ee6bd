#include "spectrum/SetItem.h"

#include "spectrum/KavrelSpectrum.h"

#include <stdexcept>

SetItem::~SetItem() = default;

CodeSpectrumItem::CodeSpectrumItem(std::unique_ptr<KavrelSpectrum> spectrum)
    : owned_(std::move(spectrum)), spectrum_(owned_.get())
{
    if (!spectrum_)
        throw std::invalid_argument("a set item needs a spectrum");
}

CodeSpectrumItem::CodeSpectrumItem(const KavrelSpectrum* borrowed) : spectrum_(borrowed) {}

std::unique_ptr<CodeSpectrumItem> CodeSpectrumItem::borrowing(const KavrelSpectrum& spectrum)
{
    return std::unique_ptr<CodeSpectrumItem>(new CodeSpectrumItem(&spectrum));
}

CodeSpectrumItem::~CodeSpectrumItem() = default;

const std::string& CodeSpectrumItem::name() const
{
    return spectrum_->responseName;
}

std::vector<double> CodeSpectrumItem::valuesAt(const std::vector<double>& periods) const
{
    std::vector<double> values;
    values.reserve(periods.size());
    for (const double period : periods) {
        double alpha = 0;
        if (spectrum_->alphaAt(period, alpha) == -1)
            break;
        values.push_back(alpha);
    }
    return values;
}

const KavrelSpectrum* codeSpectrumOf(const SetItem& item)
{
    if (item.kind() != SetItem::Kind::CodeSpectrum)
        return nullptr;
    return &static_cast<const CodeSpectrumItem&>(item).spectrum();
}
