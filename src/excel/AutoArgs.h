#pragma once

#include "excel/Dispatch.h"
#include "excel/Variant.h"

#include <cstddef>

// The arguments of one automation call plus its result. The caller fills the
// arguments in call order; they are kept last first, the order in which the
// dispatch call expects them, so the pack is handed over as it stands.
class AutoArgs {
public:
    Variant result;

    std::size_t count() const { return params_.args.size(); }
    const DispParams& params() const { return params_; }

protected:
    explicit AutoArgs(std::size_t count) { params_.args.resize(count); }
    ~AutoArgs() = default;

    DispParams params_;
};

template <std::size_t N>
class TAutoArgs final : public AutoArgs {
    static_assert(N <= 2, "automation calls here take at most two arguments");

public:
    TAutoArgs() : AutoArgs(N) {}

    // The argument at `index` in call order (0 is the first argument).
    Variant& operator[](std::size_t index) { return params_.args.at(N - 1 - index); }
    const Variant& operator[](std::size_t index) const { return params_.args.at(N - 1 - index); }
};
