#include "records/GroundMotionRecord.h"

#include "records/CodePeaks.h"
#include "spectrum/ItemName.h"

#include <QtGlobal>

namespace {

struct LayoutInfo {
    RecordLayout layout;
    const char* name;
    const char* title;
};

const LayoutInfo layouts[] = {
    {RecordLayout::Peer, "peer", "PEER NGA"},
    {RecordLayout::Csmnc, "csmnc", "CSMNC"},
    {RecordLayout::Knet, "knet", "K-NET/KiK-net"},
    // Translated where a window shows it; files and kspect keep the English.
    {RecordLayout::Columns, "columns", QT_TRANSLATE_NOOP("RecordLayout", "plain columns")},
};

const LayoutInfo& infoOf(RecordLayout layout)
{
    for (const LayoutInfo& info : layouts) {
        if (info.layout == layout)
            return info;
    }
    return layouts[3];
}

struct UnitInfo {
    AccelerationUnit unit;
    const char* name;
    double inG;
};

const UnitInfo units[] = {
    {AccelerationUnit::G, "g", 1.0},
    {AccelerationUnit::Gal, "gal", 1.0 / standardGravityCm},
    {AccelerationUnit::MetresPerSecondSquared, "m/s2", 100.0 / standardGravityCm},
};

const UnitInfo& infoOf(AccelerationUnit unit)
{
    for (const UnitInfo& info : units) {
        if (info.unit == unit)
            return info;
    }
    return units[0];
}

} // namespace

const char* recordLayoutName(RecordLayout layout)
{
    return infoOf(layout).name;
}

const char* recordLayoutTitle(RecordLayout layout)
{
    return infoOf(layout).title;
}

bool recordLayoutFromName(std::string_view name, RecordLayout& layout)
{
    for (const LayoutInfo& info : layouts) {
        if (name == info.name) {
            layout = info.layout;
            return true;
        }
    }
    return false;
}

const char* accelerationUnitName(AccelerationUnit unit)
{
    return infoOf(unit).name;
}

bool accelerationUnitFromName(std::string_view name, AccelerationUnit& unit)
{
    for (const UnitInfo& info : units) {
        if (name == info.name) {
            unit = info.unit;
            return true;
        }
    }
    return false;
}

double gravityPerUnit(AccelerationUnit unit)
{
    return infoOf(unit).inG;
}

std::string recordNameFromFileName(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of("/\\");
    if (slash != std::string_view::npos)
        fileName.remove_prefix(slash + 1);
    const std::size_t dot = fileName.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        fileName = fileName.substr(0, dot);
    std::string name;
    for (char c : fileName)
        name += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
    name = cutAtCharacter(name, itemNameLimit - 1);
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    return name.empty() ? std::string("record") : name;
}
