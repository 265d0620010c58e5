#include "ranges/hand_notation.h"
#include "ranges/range_text.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <span>
#include <vector>

namespace tavolin::ranges {
namespace {

// A starting hand as the text lists it, with the weight it is written at as a whole (0 when some holding
// is out); its holdings at any other weight are written one by one after every whole hand.
struct HandEntry {
    int High = 0;
    int Low = 0;
    bool Suited = false;
    double Whole = 0.0;
};

// Ranks from `top` down to 2 as maximal runs (top, bottom) of the bits set in `ranks` (bit rank - 2).
using Runs = std::vector<std::pair<int, int>>;

Runs runsOf(unsigned ranks, int top) {
    Runs runs;
    for (int rank = top; rank >= 2; --rank) {
        if ((ranks >> (rank - 2) & 1U) == 0) continue;
        if (!runs.empty() && runs.back().second == rank + 1) {
            runs.back().second = rank;
        } else {
            runs.emplace_back(rank, rank);
        }
    }
    return runs;
}

// The value that occurs most often (the greater on a tie).
double mostCommon(std::span<const double> values) {
    double best = 0.0;
    std::ptrdiff_t bestCount = 0;
    for (const double value : values) {
        const auto count = std::ranges::count(values, value);
        if (count > bestCount || (count == bestCount && value > best)) {
            best = value;
            bestCount = count;
        }
    }
    return best;
}

// The weight a hand is written at as a whole: the most common among its holdings, or 0 if one is out.
double wholeWeight(const HoldingWeights& weights, const HandHoldings& holdings) {
    std::array<double, 12> held{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(holdings.Count); ++i) {
        held[i] = weights[static_cast<std::size_t>(holdings.Index[i])];
        if (!(held[i] > 0.0)) return 0.0;
    }
    return mostCommon(std::span(held).first(static_cast<std::size_t>(holdings.Count)));
}

// Pairs from AA down, then by the higher rank: its suited hands, then its offsuit ones, lower card falling.
std::vector<HandEntry> handEntries(const HoldingWeights& weights) {
    std::vector<HandEntry> entries;
    const auto add = [&](int high, int low, bool suited) {
        entries.push_back({high, low, suited, wholeWeight(weights, handHoldings(high, low, suited))});
    };
    for (int rank = 14; rank >= 2; --rank)
        add(rank, rank, false);
    for (int high = 14; high >= 3; --high) {
        for (const bool suited : {true, false}) {
            for (int low = high - 1; low >= 2; --low)
                add(high, low, suited);
        }
    }
    return entries;
}

std::string handName(int high, int low, std::string_view kind) {
    return std::string{rankLetter(high), rankLetter(low)} + std::string(kind);
}

std::string pairRunText(int top, int bottom) {
    if (top == bottom) return handName(top, top, "");
    if (top == 14) return handName(bottom, bottom, "") + "+";
    return handName(top, top, "") + "-" + handName(bottom, bottom, "");
}

std::string runText(int high, std::pair<int, int> run, std::string_view kind) {
    const auto [top, bottom] = run;
    if (top == bottom) return handName(high, top, kind);
    if (top == high - 1) return handName(high, bottom, kind) + "+";
    return handName(high, top, kind) + "-" + handName(high, bottom, kind);
}

std::string weightSuffix(double weight) {
    if (weight == 1.0) return "";
    // Shortest digits that read back as the same double; plain decimals, as the reader wants them.
    std::array<char, 400> digits{};
    const auto written =
        std::to_chars(digits.data(), digits.data() + digits.size(), weight, std::chars_format::fixed);
    std::string suffix = ":";
    suffix.append(digits.data(), written.ptr);
    return suffix;
}

// The whole hands at one weight: pairs in runs, then per higher rank the runs both suited and offsuit
// share, then the suited runs, then the offsuit ones.
void appendWholeHands(const std::vector<HandEntry>& entries, double weight,
                      std::vector<std::string>& tokens) {
    const std::string suffix = weightSuffix(weight);
    std::array<unsigned, 15> suited{};
    std::array<unsigned, 15> offsuit{};
    unsigned pairs = 0;
    for (const HandEntry& entry : entries) {
        if (entry.Whole != weight) continue;
        const unsigned bit = 1U << (entry.Low - 2);
        if (entry.High == entry.Low) {
            pairs |= bit;
        } else {
            (entry.Suited ? suited : offsuit)[static_cast<std::size_t>(entry.High)] |= bit;
        }
    }
    for (const auto& [top, bottom] : runsOf(pairs, 14))
        tokens.push_back(pairRunText(top, bottom) + suffix);
    for (int high = 14; high >= 3; --high) {
        const Runs suitedRuns = runsOf(suited[static_cast<std::size_t>(high)], high - 1);
        const Runs offsuitRuns = runsOf(offsuit[static_cast<std::size_t>(high)], high - 1);
        const auto inBoth = [&](const auto& run) {
            return std::ranges::find(offsuitRuns, run) != offsuitRuns.end();
        };
        const auto inSuited = [&](const auto& run) {
            return std::ranges::find(suitedRuns, run) != suitedRuns.end();
        };
        for (const auto& run : suitedRuns) {
            if (inBoth(run)) tokens.push_back(runText(high, run, "") + suffix);
        }
        for (const auto& run : suitedRuns) {
            if (!inBoth(run)) tokens.push_back(runText(high, run, "s") + suffix);
        }
        for (const auto& run : offsuitRuns) {
            if (!inSuited(run)) tokens.push_back(runText(high, run, "o") + suffix);
        }
    }
}

} // namespace

std::string rangeText(const HoldingWeights& given) {
    // A text says what the weights count with (see usableWeight): above 1 as 1, anything else unusable as
    // out.
    HoldingWeights weights{};
    std::ranges::transform(given, weights.begin(), equity::usableWeight);
    const std::vector<HandEntry> entries = handEntries(weights);
    std::vector<double> wholeWeights;
    std::vector<std::pair<double, int>> singles; // weight, holding
    for (const HandEntry& entry : entries) {
        wholeWeights.push_back(entry.Whole);
        const HandHoldings holdings = handHoldings(entry.High, entry.Low, entry.Suited);
        for (int i = 0; i < holdings.Count; ++i) {
            const int holding = holdings.Index[static_cast<std::size_t>(i)];
            const double weight = weights[static_cast<std::size_t>(holding)];
            if (weight > 0.0 && weight != entry.Whole) singles.emplace_back(weight, holding);
        }
    }
    std::vector<std::string> tokens;
    // With every hand in, "random" at the weight most hands have covers those, and the others follow it.
    const bool everyHand = std::ranges::all_of(wholeWeights, [](double weight) { return weight > 0.0; });
    const double everywhere = everyHand ? mostCommon(wholeWeights) : 0.0;
    if (everyHand) tokens.push_back("random" + weightSuffix(everywhere));
    std::ranges::sort(wholeWeights, std::greater{});
    wholeWeights.erase(std::unique(wholeWeights.begin(), wholeWeights.end()), wholeWeights.end());
    for (const double weight : wholeWeights) {
        if (weight > 0.0 && weight != everywhere) appendWholeHands(entries, weight, tokens);
    }
    // Single holdings follow every whole hand, so that they override it; equal weights stay together.
    std::ranges::stable_sort(singles, std::greater{}, [](const auto& single) { return single.first; });
    for (const auto& [weight, holding] : singles)
        tokens.push_back(holdingName(holding) + weightSuffix(weight));
    std::string text;
    for (const std::string& token : tokens)
        text += (text.empty() ? "" : ", ") + token;
    return text;
}

} // namespace tavolin::ranges
