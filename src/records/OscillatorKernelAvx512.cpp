// The oscillators' loop in AVX-512: eight doubles to a register.
#include "records/OscillatorKernelLoop.h"

// Built only where the build gives this file the target's instructions.
#if defined(__AVX512F__)
namespace {
typedef double Lanes __attribute__((vector_size(avx512Lanes * sizeof(double))));
}

void runOscillatorsAvx512(const OscillatorRun& run)
{
    runOscillatorLoop<Lanes, avx512Lanes, avx512Registers>(run);
}
#endif
