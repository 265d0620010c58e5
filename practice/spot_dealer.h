#pragma once

#include "cards/random_source.h"
#include "practice/board_kind.h"
#include "practice/close_bet.h"
#include "practice/spot.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolin::practice {

// What the dealt spots must be; an empty field lets the dealer choose.
struct SpotFilter {
    std::optional<Street> OnStreet;
    std::optional<BoardKind> Board;
    std::optional<int> PreflopProfile; // 0..3; the nearest of these for any other number
    // The villain's bet: one of the usual sizes, chosen so that calling is a close decision against the range
    // that bets it, dealing again until a spot comes at least this close (see dealCloseSpot); nullopt: a size
    // drawn at random from 1/3 pot to pot.
    std::optional<Closeness> CloseBet = Closeness::kWithin12;
};

// "flop", "turn", "river"; and back (nullopt for any other word).
std::string_view streetName(Street street);
std::optional<Street> readStreet(std::string_view name);

// Deals random spots that pass a filter. The same seed and filter give the same spots, in the same order,
// with any compiler and standard library.
class SpotDealer {
public:
    SpotDealer(std::uint64_t seed, const SpotFilter& filter);

    Spot next();

private:
    Spot nextDrawn();
    Spot drawCandidate();

    RandomSource Random;
    SpotFilter Filter;
};

} // namespace tavolin::practice
