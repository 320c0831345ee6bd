#pragma once

#include <complex>
#include <cstddef>
#include <vector>

// The discrete Fourier transform of a real sequence of fixed length, over
// FFTW 3. One object may be used by one thread at a time; objects of
// different threads are independent (their plans are made under a lock, the
// one part of FFTW that is not thread-safe).
class RealFourierTransform {
public:
    explicit RealFourierTransform(std::size_t length);
    ~RealFourierTransform();
    RealFourierTransform(const RealFourierTransform&) = delete;
    RealFourierTransform& operator=(const RealFourierTransform&) = delete;

    std::size_t length() const { return length_; }
    // Number of frequency bins, length / 2 + 1: bin k is k / (length x step) Hz.
    std::size_t binCount() const { return length_ / 2 + 1; }

    // X_k = sum x_j exp(-2 pi i j k / length); a shorter input is padded with
    // zeros, a longer one is refused (std::invalid_argument).
    std::vector<std::complex<double>> forward(const std::vector<double>& samples);

    // The inverse, divided by the length, so that inverse(forward(x)) == x
    // up to rounding; takes binCount() bins.
    std::vector<double> inverse(const std::vector<std::complex<double>>& bins);

private:
    void release();

    std::size_t length_;
    double* real_ = nullptr;
    void* spectrum_ = nullptr;  // fftw_complex[binCount()]
    void* forwardPlan_ = nullptr;
    void* inversePlan_ = nullptr;
};
