#pragma once

#include "spectrum/SetItem.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A curve given by its points, as an item of the set: the mean spectrum of
// a record selection kept from the check window. It is drawn, listed,
// tabulated and saved like the other items; its values between two of its
// periods are read on the straight line between them, as an analysis program
// reads a table.
class TabulatedCurveItem final : public SetItem {
public:
    // Far above the chart's 601 periods; keeps a damaged set file from
    // filling the memory.
    static constexpr std::size_t pointLimit = 100000;

    // Throws std::invalid_argument with the words of curveFault when the
    // points cannot make a curve.
    TabulatedCurveItem(std::string name, std::vector<double> periods, std::vector<double> values,
                       double damping, std::vector<std::string> recordNames);

    Kind kind() const override { return Kind::TabulatedCurve; }
    const std::string& name() const override { return name_; }
    // Exactly the value at a tabulated period, on the straight line between
    // its neighbours elsewhere; stops at the first period outside the table.
    std::vector<double> valuesAt(const std::vector<double>& periods) const override;
    // Dash-dot: told from code spectra (solid) and records (dashed).
    LineStyle lineStyle() const override { return LineStyle::DashDot; }

    const std::vector<double>& periods() const { return periods_; }
    const std::vector<double>& values() const { return values_; }
    // The damping of the spectra the curve was made from.
    double damping() const { return damping_; }
    // The records whose mean it is, by their names in the set then.
    const std::vector<std::string>& recordNames() const { return recordNames_; }

    // Why these points cannot make a curve, in words that follow "the curve
    // ...", or nothing: at least 2 points, as many values as periods, periods
    // finite, not negative and strictly increasing, values finite and not
    // negative, at most pointLimit points, damping in [0, 1).
    static std::optional<std::string> curveFault(const std::vector<double>& periods,
                                                 const std::vector<double>& values, double damping);

private:
    std::string name_;
    std::vector<double> periods_;
    std::vector<double> values_;
    double damping_;
    std::vector<std::string> recordNames_;
};

// The tabulated curve of an item, or null for an item of another kind.
const TabulatedCurveItem* tabulatedCurveOf(const SetItem& item);
