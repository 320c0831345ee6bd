#include "records/TabulatedCurveItem.h"

#include "text/RecordRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <stdexcept>

TabulatedCurveItem::TabulatedCurveItem(std::string name, std::vector<double> periods, std::vector<double> values,
                                       double damping, std::vector<std::string> recordNames)
    : name_(std::move(name)),
      periods_(std::move(periods)),
      values_(std::move(values)),
      damping_(damping),
      recordNames_(std::move(recordNames))
{
    if (const std::optional<std::string> fault = curveFault(periods_, values_, damping_))
        throw std::invalid_argument("the curve " + *fault);
}

std::optional<std::string> TabulatedCurveItem::curveFault(const std::vector<double>& periods,
                                                          const std::vector<double>& values, double damping)
{
    // Shown where a set file is refused, so in the window's language.
    const auto fault = [](const char* text) { return QCoreApplication::translate("TabulatedCurveItem", text); };
    if (periods.size() != values.size())
        return QCoreApplication::translate("TabulatedCurveItem", "has %1 periods but %2 values")
            .arg(periods.size())
            .arg(values.size())
            .toStdString();
    if (periods.size() < 2)
        return fault(QT_TRANSLATE_NOOP("TabulatedCurveItem", "has fewer than 2 points")).toStdString();
    if (periods.size() > pointLimit)
        return QCoreApplication::translate("TabulatedCurveItem", "has more than %1 points").arg(pointLimit).toStdString();
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const char* text = nullptr;
        if (!std::isfinite(periods[i]) || periods[i] < 0)
            text = QT_TRANSLATE_NOOP("TabulatedCurveItem", "has at point %1 a period that is not a finite number of at least 0");
        else if (i > 0 && !(periods[i] > periods[i - 1]))
            text = QT_TRANSLATE_NOOP("TabulatedCurveItem", "has at point %1 a period not above the one before");
        else if (!std::isfinite(values[i]) || values[i] < 0)
            text = QT_TRANSLATE_NOOP("TabulatedCurveItem", "has at point %1 a value that is not a finite number of at least 0");
        if (text)
            return fault(text).arg(i + 1).toStdString();
    }
    if (!isOscillatorDamping(damping))
        return fault(QT_TRANSLATE_NOOP("TabulatedCurveItem", "has a damping ratio outside 0 to below 1")).toStdString();
    return std::nullopt;
}

std::vector<double> TabulatedCurveItem::valuesAt(const std::vector<double>& periods) const
{
    std::vector<double> result;
    result.reserve(periods.size());
    for (const double period : periods) {
        if (!(period >= periods_.front() && period <= periods_.back()))
            break;
        const auto above = std::lower_bound(periods_.begin(), periods_.end(), period);
        const auto k = static_cast<std::size_t>(above - periods_.begin());
        if (*above == period) {
            result.push_back(values_[k]);
            continue;
        }
        const double share = (period - periods_[k - 1]) / (periods_[k] - periods_[k - 1]);
        result.push_back(values_[k - 1] + share * (values_[k] - values_[k - 1]));
    }
    return result;
}

const TabulatedCurveItem* tabulatedCurveOf(const SetItem& item)
{
    if (item.kind() != SetItem::Kind::TabulatedCurve)
        return nullptr;
    return &static_cast<const TabulatedCurveItem&>(item);
}
