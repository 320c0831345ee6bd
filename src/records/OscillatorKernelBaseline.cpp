// The oscillators' loop in the build's own instructions (SSE2 on x86-64, two doubles to a register).
#include "records/OscillatorKernelLoop.h"

namespace {
typedef double Lanes __attribute__((vector_size(baselineLanes * sizeof(double))));
}

void runOscillatorsBaseline(const OscillatorRun& run)
{
    runOscillatorLoop<Lanes, baselineLanes, baselineRegisters>(run);
}
