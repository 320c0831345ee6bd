#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A ground-motion record as the program keeps it: the accelerations in g at
// equal steps, whatever the file's unit, with where they came from.

// The layouts a record file is read in.
enum class RecordLayout {
    Peer,     // PEER NGA .AT2
    Csmnc,    // China Strong Motion Networks Center ASCII
    Knet,     // K-NET / KiK-net ASCII
    Columns,  // plain columns of numbers
};

// The layout's name on the command line: "peer", "csmnc", "knet", "columns".
const char* recordLayoutName(RecordLayout layout);
// The layout as a user reads it: "PEER NGA", "CSMNC", "K-NET/KiK-net", "plain columns".
const char* recordLayoutTitle(RecordLayout layout);
// Finds the layout of a command-line name (exact, lower case); false when there is none.
bool recordLayoutFromName(std::string_view name, RecordLayout& layout);

// The unit of a file's accelerations.
enum class AccelerationUnit {
    G,                      // standard gravity, 9.80665 m/s^2
    Gal,                    // cm/s^2
    MetresPerSecondSquared, // m/s^2
};

// "g", "gal", "m/s2".
const char* accelerationUnitName(AccelerationUnit unit);
bool accelerationUnitFromName(std::string_view name, AccelerationUnit& unit);
// What one of the unit is in g: 1, 1 / 980.665, 1 / 9.80665.
double gravityPerUnit(AccelerationUnit unit);

// The steps a ground-motion record may have, in seconds: instruments sample
// at 10 Hz to 100 kHz. A step outside is a damaged or wrong file, whose
// spectrum would be all peaks or take hours.
constexpr double shortestRecordStep = 1e-5;
constexpr double longestRecordStep = 1.0;
// The largest acceleration a record may hold, in g. The strongest ground
// motions recorded reach about 4 g: a million g is a file in another unit or
// a damaged one, and the squares and sums of much larger values overflow.
constexpr double largestRecordValueG = 1e6;
// The largest peak a record is scaled to, in cm/s^2 (10 g).
constexpr double largestTargetPeakCm = 9806.65;

struct GroundMotionRecord {
    std::string name;            // the item's name: the file's base name, fewer than 20 bytes
    std::string sourceFileName;  // the file's name without its folder, as UTF-8
    RecordLayout layout = RecordLayout::Columns;
    AccelerationUnit unitAsRead = AccelerationUnit::G;
    double step = 0.0;                  // seconds between samples, > 0
    std::vector<double> accelerationG;  // at t = 0, step, 2 step, ...

    std::size_t count() const { return accelerationG.size(); }
    // From the first to the last sample, in seconds.
    double duration() const { return count() < 2 ? 0.0 : static_cast<double>(count() - 1) * step; }
};

// A record item's name from a file name: the name without its folder and its
// last suffix, cut to fewer than 20 bytes at a whole UTF-8 character ("record"
// for a name that leaves nothing). Making it unique is the set's business.
std::string recordNameFromFileName(std::string_view fileName);
