#include "records/FourierTransform.h"

#include <fftw3.h>

#include <algorithm>
#include <mutex>
#include <new>
#include <stdexcept>

namespace {

// FFTW's planner keeps global state: plans are made and destroyed one at a
// time, whichever thread asks.
std::mutex& plannerLock()
{
    static std::mutex lock;
    return lock;
}

}  // namespace

RealFourierTransform::RealFourierTransform(std::size_t length) : length_(length)
{
    if (length < 2)
        throw std::invalid_argument("a Fourier transform needs at least two samples");
    real_ = fftw_alloc_real(length_);
    auto* spectrum = fftw_alloc_complex(binCount());
    spectrum_ = spectrum;
    if (!real_ || !spectrum) {
        fftw_free(real_);
        fftw_free(spectrum);
        throw std::bad_alloc();
    }
    const int n = static_cast<int>(length_);
    {
        // FFTW_ESTIMATE plans do not time the machine, so the same length gives
        // the same arithmetic, and with it the same bytes, on every run.
        const std::lock_guard<std::mutex> guard(plannerLock());
        forwardPlan_ = fftw_plan_dft_r2c_1d(n, real_, spectrum, FFTW_ESTIMATE);
        inversePlan_ = fftw_plan_dft_c2r_1d(n, spectrum, real_, FFTW_ESTIMATE);
    }
    if (!forwardPlan_ || !inversePlan_) {
        release();
        throw std::bad_alloc();
    }
}

RealFourierTransform::~RealFourierTransform()
{
    release();
}

void RealFourierTransform::release()
{
    {
        const std::lock_guard<std::mutex> guard(plannerLock());
        if (forwardPlan_)
            fftw_destroy_plan(static_cast<fftw_plan>(forwardPlan_));
        if (inversePlan_)
            fftw_destroy_plan(static_cast<fftw_plan>(inversePlan_));
        forwardPlan_ = inversePlan_ = nullptr;
    }
    fftw_free(real_);
    fftw_free(spectrum_);
    real_ = nullptr;
    spectrum_ = nullptr;
}

std::vector<std::complex<double>> RealFourierTransform::forward(const std::vector<double>& samples)
{
    if (samples.size() > length_)
        throw std::invalid_argument("more samples than the transform's length");
    std::copy(samples.begin(), samples.end(), real_);
    std::fill(real_ + samples.size(), real_ + length_, 0.0);
    fftw_execute(static_cast<fftw_plan>(forwardPlan_));
    const auto* spectrum = static_cast<const fftw_complex*>(spectrum_);
    std::vector<std::complex<double>> bins(binCount());
    for (std::size_t k = 0; k < bins.size(); ++k)
        bins[k] = {spectrum[k][0], spectrum[k][1]};
    return bins;
}

std::vector<double> RealFourierTransform::inverse(const std::vector<std::complex<double>>& bins)
{
    if (bins.size() != binCount())
        throw std::invalid_argument("the number of bins does not fit the transform's length");
    auto* spectrum = static_cast<fftw_complex*>(spectrum_);
    for (std::size_t k = 0; k < bins.size(); ++k) {
        spectrum[k][0] = bins[k].real();
        spectrum[k][1] = bins[k].imag();
    }
    fftw_execute(static_cast<fftw_plan>(inversePlan_));
    std::vector<double> samples(real_, real_ + length_);
    const double scale = 1.0 / static_cast<double>(length_);
    for (double& x : samples)
        x *= scale;
    return samples;
}
