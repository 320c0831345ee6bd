#include "records/SetContents.h"

#include <algorithm>
#include <cmath>

#include "records/TabulatedCurveItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"

SetContents setContentsOf(const SpectrumSet& set)
{
    SetContents contents;
    contents.reserve(static_cast<std::size_t>(set.size()));
    for (int i = 0; i < set.size(); ++i) {
        const SetItem& item = set.item(i);
        if (const KavrelSpectrum* s = codeSpectrumOf(item)) {
            contents.push_back({s->responseName, s->codeType, s->alphaMax, s->tg, s->dampingRatio, set.isVisible(i),
                                set.origin(i), std::nullopt});
        } else if (const RecordItem* r = recordItemOf(item)) {
            SetSpectrum entry;
            entry.name = r->name();
            entry.visible = set.isVisible(i);
            auto record = std::make_shared<GroundMotionRecord>(r->record());
            record->name = r->name();
            entry.record = SetRecord{std::move(record), r->scaling(), r->artificial()};
            contents.push_back(std::move(entry));
        } else if (const TabulatedCurveItem* c = tabulatedCurveOf(item)) {
            SetSpectrum entry;
            entry.name = c->name();
            entry.visible = set.isVisible(i);
            entry.curve = SetCurve{c->periods(), c->values(), c->damping(), c->recordNames()};
            contents.push_back(std::move(entry));
        }
    }
    return contents;
}

void replaceSetContents(SpectrumSet& set, const SetContents& contents)
{
    set.clear();
    for (const SetSpectrum& s : contents) {
        if (s.isRecord()) {
            set.add(std::make_unique<RecordItem>(s.name, s.record->record, s.record->scaling, s.record->artificial),
                    s.visible);
            continue;
        }
        if (s.isCurve()) {
            set.add(std::make_unique<TabulatedCurveItem>(s.name, s.curve->periods, s.curve->values, s.curve->damping,
                                                         s.curve->recordNames),
                    s.visible);
            continue;
        }
        set.add(std::make_unique<KavrelSpectrum>(s.name, s.alphaMax, s.tg, s.dampingRatio, s.codeType), s.visible,
                s.origin);
    }
}

namespace {

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-13 * std::max(std::fabs(a), std::fabs(b));
}

bool sameStructure(const StructureModel& a, const StructureModel& b)
{
    if (a.combination != b.combination || !near(a.weight, b.weight) || a.modes.size() != b.modes.size())
        return false;
    for (std::size_t j = 0; j < a.modes.size(); ++j) {
        if (!near(a.modes[j].period, b.modes[j].period) || !near(a.modes[j].massRatio, b.modes[j].massRatio))
            return false;
    }
    return true;
}

}  // namespace

bool sameCheckInputs(const SetCheckInputs& a, const SetCheckInputs& b)
{
    if (a.mainPeriods != b.mainPeriods || a.baseShears != b.baseShears || a.ticks != b.ticks
        || a.inelastic != b.inelastic || a.structure.has_value() != b.structure.has_value())
        return false;
    return !a.structure || sameStructure(*a.structure, *b.structure);
}
