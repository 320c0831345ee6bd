#include "records/OscillatorKernel.h"

#include "records/OscillatorKernelLoop.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

#if defined(__x86_64__) || defined(__i386__)
#define KAVREL_KERNEL_X86 1
constexpr bool x86 = true;
#else
constexpr bool x86 = false;
#endif

bool runs(KernelTarget target)
{
    switch (target) {
    case KernelTarget::Baseline:
        return true;
    case KernelTarget::Avx2:
#ifdef KAVREL_KERNEL_X86
        return __builtin_cpu_supports("avx2");
#else
        return false;
#endif
    case KernelTarget::Avx512:
#ifdef KAVREL_KERNEL_X86
        return __builtin_cpu_supports("avx512f");
#else
        return false;
#endif
    }
    return false;
}

std::size_t widthOf(KernelTarget target)
{
    switch (target) {
    case KernelTarget::Baseline:
        return baselineLanes * baselineRegisters;
    case KernelTarget::Avx2:
        return avx2Lanes * avx2Registers;
    case KernelTarget::Avx512:
        return avx512Lanes * avx512Registers;
    }
    return baselineLanes * baselineRegisters;
}

KernelTarget best()
{
    static const KernelTarget chosen = availableKernelTargets().back();
    return chosen;
}

}  // namespace

const char* kernelTargetName(KernelTarget target)
{
    switch (target) {
    case KernelTarget::Baseline:
        return x86 ? "sse2" : "baseline";
    case KernelTarget::Avx2:
        return "avx2";
    case KernelTarget::Avx512:
        return "avx512";
    }
    return "baseline";
}

std::vector<KernelTarget> availableKernelTargets()
{
    std::vector<KernelTarget> targets;
    for (const KernelTarget target : {KernelTarget::Baseline, KernelTarget::Avx2, KernelTarget::Avx512}) {
        if (runs(target))
            targets.push_back(target);
    }
    return targets;
}

KernelTarget chosenKernelTarget()
{
    return best();
}

std::size_t kernelWidth()
{
    return widthOf(best());
}

void runOscillators(const OscillatorRun& run)
{
    runOscillators(best(), run);
}

void runOscillatorsOneByOne(const OscillatorRun& run)
{
    const double* a = run.acceleration;
    const int subSteps = run.subSteps;
    for (std::size_t j = 0; j < run.count; ++j) {
        const OscillatorStep& c = run.steps[j];
        double u = 0, v = 0, peak = 0;
        if (run.history && run.samples > 0)
            run.history[j] = 0;
        for (std::size_t i = 0; i + 1 < run.samples; ++i) {
            const double rise = (a[i + 1] - a[i]) / subSteps;
            for (int k = 0; k < subSteps; ++k) {
                const double a0 = a[i] + rise * k;
                const double a1 = k + 1 == subSteps ? a[i + 1] : a[i] + rise * (k + 1);
                const double u1 = c.uu * u + c.uv * v + c.ua * a0 + c.ub * a1;
                v = c.vu * u + c.vv * v + c.va * a0 + c.vb * a1;
                u = u1;
                peak = std::max(peak, std::fabs(u));
            }
            if (run.history)
                run.history[(i + 1) * run.count + j] = u;
        }
        run.peaks[j] = peak;
    }
}

void runOscillators(KernelTarget target, const OscillatorRun& run)
{
    if (!runs(target))
        throw std::invalid_argument(std::string("this processor does not run the ") + kernelTargetName(target) +
                                    " instructions");
    switch (target) {
    case KernelTarget::Baseline:
        runOscillatorsBaseline(run);
        return;
#ifdef KAVREL_KERNEL_X86
    case KernelTarget::Avx2:
        runOscillatorsAvx2(run);
        return;
    case KernelTarget::Avx512:
        runOscillatorsAvx512(run);
        return;
#else
    default:
        return;
#endif
    }
}
