#include "practice/closeness.h"

namespace tavolin::practice {

const ClosenessBand& closenessOf(const Spot& spot, double equity) {
    const double margin = 100.0 * (equity - static_cast<double>(priceOfCall(spot)));
    for (const ClosenessBand& band : kClosenessBands) {
        if (margin < band.High) return band;
    }
    return kClosenessBands.back();
}

std::optional<ClosenessBand> readCloseness(std::string_view name) {
    for (const ClosenessBand& band : kClosenessBands) {
        if (band.Name == name) return band;
    }
    return std::nullopt;
}

} // namespace tavolin::practice
