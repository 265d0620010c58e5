#pragma once

// The showdown routines written the plain, slow way: row-sorted card matrices, gap strings and pattern
// counts, a hand list per side and one comparison per villain holding. The tests use them as the oracle
// for the fast production path, and the benchmark as its baseline.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavolin::showdown::literal {

// One five-card hand: rows are cards; columns hold the card code (32 × suit + rank), the rank, the gap
// and the suit bits.
using CardRows = std::array<std::array<std::int32_t, 4>, 5>;

struct HandRecord {
    std::int32_t Index = 0;
    CardRows Cards{};
    double Weight = 0.0;
};

// Cards counted by [suit 1..4][rank 1..14].
using CardMatrix = std::array<std::array<std::int16_t, 15>, 5>;

constexpr std::int32_t cardCode(int suit, int rank) {
    return 32 * suit + rank;
}

void prepareHand(CardRows& cards);
std::string gapString(const CardRows& cards);
std::int32_t countOccurrences(const std::string& text, const std::string& pattern);
std::int32_t flushWeight(CardRows& cards, double& acc);
bool straightWeight(CardRows& cards, double& acc);
bool fourOrFullWeight(CardRows& cards, double& acc);
bool threeOrTwoPairsWeight(CardRows& cards, double& acc);
bool pairWeight(CardRows& cards, double& acc);
double handWeight(CardRows& cards);

// Weight of the five codes in the given order; a convenience over handWeight for callers with codes.
double weightOfCodes(const std::array<std::int32_t, 5>& codes);

// Both sides' card lists, built in one sweep in deck order.
void buildCardLists(const CardMatrix& holeMatrix, const CardMatrix& villainMatrix,
                    const CardMatrix& boardMatrix, std::vector<std::int32_t>& heroList,
                    std::vector<std::int32_t>& villainList);
std::vector<HandRecord> enumerateHands(const std::vector<std::int32_t>& cardList);
std::int32_t bestHandIndex(const std::vector<HandRecord>& handList);
void compareHands(const CardMatrix& holeMatrix, const CardMatrix& villainMatrix,
                  const CardMatrix& boardMatrix, std::int16_t& result);

// What the count keeps between its comparisons.
struct ShowdownState {
    CardMatrix VillainMatrix{};
    std::int16_t CompareResult = 0;
};

struct LiteralCount {
    std::int32_t BetterCount = 0;
    std::int32_t PairCount = 0;
};

// Walks every holding of two unseen cards through compareHands. The observer, when given, sees the
// villain matrix of each holding right after its comparison.
LiteralCount countBetterVillainHands(const CardMatrix& holeMatrix, const CardMatrix& boardMatrix,
                                     ShowdownState& state,
                                     const std::function<void(const CardMatrix&)>& observer = {});

} // namespace tavolin::showdown::literal
