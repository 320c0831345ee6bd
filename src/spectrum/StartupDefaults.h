#pragma once

// What a new window (and the command line without options) starts from: the
// first item of every selection, the damping ratio and the name box's text.
namespace startup {

constexpr int codeType = 0;            // GB 50011-2010
constexpr int intensityIndex = 0;      // 6 (0.05 g)
constexpr int seismicActionIndex = 0;  // frequent earthquake
constexpr int siteClassIndex = 0;      // I0
constexpr int groupIndex = 0;          // 1st group
constexpr double dampingRatio = 0.05;
constexpr const char* spectrumName = "Spectrum-1";
// The name kept before the first Create reads the name box.
constexpr const char* responseName = "Response1";
// The left axis never labels finer than this.
constexpr double leftAxisIncrement = 0.0025;

} // namespace startup
