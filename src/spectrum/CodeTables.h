#pragma once

// AlphaMax and Tg of the design codes' tables; the same for all three codes.

// AlphaMax for a seismic intensity (0..5: 6 (0.05 g) ... 9 (0.40 g)) and a
// seismic action (0..3: frequent, design-basis, rare, very rare).
double lookupAlphaMax(int intensityIndex, int seismicActionIndex);

// Tg in seconds for a site class (0..4: I0, I1, II, III, IV) and an
// earthquake group (0..2).
double lookupTg(int siteClassIndex, int groupIndex);
