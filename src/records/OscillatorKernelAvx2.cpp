// The oscillators' loop in AVX2: four doubles to a register.
#include "records/OscillatorKernelLoop.h"

// Built only where the build gives this file the target's instructions.
#if defined(__AVX2__)
namespace {
typedef double Lanes __attribute__((vector_size(avx2Lanes * sizeof(double))));
}

void runOscillatorsAvx2(const OscillatorRun& run)
{
    runOscillatorLoop<Lanes, avx2Lanes, avx2Registers>(run);
}
#endif
