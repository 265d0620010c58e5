// Writes ranges/starting_hand_order.inc: the 169 starting hands ordered by their exact all-in equity
// against a random hand, heads-up, over every villain holding and every five-card board.
//
// Each board is visited once, up to a renaming of the suits (which moves no starting hand's equity), and
// counted as often as it occurs. On a board the live holdings are sorted by their seven-card value; one
// pass then counts, for every holding, the holdings below and level with it that share none of its cards,
// from running per-card tallies.
//
//     tavolin-make-hand-order ranges/starting_hand_order.inc

#include "equity/hand_value.h"
#include "ranges/hand_notation.h"
#include "ranges/starting_hands.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

using namespace tavolin;
using equity::CardMask;

constexpr int kHands = ranges::kStartingHandCount;
// Villain holdings and boards that go with one hero holding: C(50, 2) * C(48, 5).
constexpr double kMatchupsPerHolding = 1225.0 * 1712304.0;

struct HoldingCards {
    int High = 0;
    int Low = 0;
    int Hand = 0; // grid cell row * 13 + column
};

struct Tally {
    std::array<std::uint64_t, kHands> Wins{};
    std::array<std::uint64_t, kHands> Ties{};
};

std::array<HoldingCards, equity::kHoldingCount> holdingCards() {
    std::array<HoldingCards, equity::kHoldingCount> cards{};
    for (int high = 1; high < equity::kDeckSize; ++high) {
        for (int low = 0; low < high; ++low) {
            const Card highCard = Card::fromIndex(high);
            const Card lowCard = Card::fromIndex(low);
            const int highRank = std::max(highCard.rank(), lowCard.rank());
            const int lowRank = std::min(highCard.rank(), lowCard.rank());
            const bool suited = highCard.suit() == lowCard.suit();
            // Suited above the diagonal, offsuit below, as the range grid shows them.
            const int row = suited ? 14 - highRank : 14 - lowRank;
            const int column = suited ? 14 - lowRank : 14 - highRank;
            cards[static_cast<std::size_t>(equity::holdingIndex(high, low))] = {high, low, row * 13 + column};
        }
    }
    return cards;
}

// The board with its suits renamed so that their rank sets fall in order: one board per class of boards
// that differ only in suits.
CardMask canonicalBoard(CardMask board) {
    std::array<CardMask, 4> suits{};
    for (int suit = 0; suit < 4; ++suit)
        suits[static_cast<std::size_t>(suit)] = board >> (13 * suit) & 0x1FFF;
    std::ranges::sort(suits, std::greater{});
    return suits[0] | suits[1] << 13 | suits[2] << 26 | suits[3] << 39;
}

// Every five-card board up to suits, with how many boards it stands for.
std::vector<std::pair<CardMask, int>> boardClasses() {
    std::vector<CardMask> boards;
    boards.reserve(2598960);
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e)
                        boards.push_back(
                            canonicalBoard(Card::fromIndex(a).mask() | Card::fromIndex(b).mask() |
                                           Card::fromIndex(c).mask() | Card::fromIndex(d).mask() |
                                           Card::fromIndex(e).mask()));
    std::ranges::sort(boards);
    std::vector<std::pair<CardMask, int>> classes;
    for (const CardMask board : boards) {
        if (classes.empty() || classes.back().first != board) classes.emplace_back(board, 0);
        ++classes.back().second;
    }
    return classes;
}

void tallyBoard(CardMask board, std::uint64_t count,
                const std::array<HoldingCards, equity::kHoldingCount>& cards,
                std::vector<std::uint64_t>& ranked, Tally& tally) {
    ranked.clear();
    for (int holding = 0; holding < equity::kHoldingCount; ++holding) {
        const HoldingCards& held = cards[static_cast<std::size_t>(holding)];
        const CardMask mask = Card::fromIndex(held.High).mask() | Card::fromIndex(held.Low).mask();
        if ((mask & board) != 0) continue;
        ranked.push_back(std::uint64_t{equity::handValue(board | mask)} << 16 |
                         static_cast<std::uint64_t>(holding));
    }
    std::ranges::sort(ranked);
    std::array<std::uint64_t, equity::kDeckSize> belowByCard{};
    std::array<std::uint64_t, equity::kDeckSize> levelByCard{};
    std::uint64_t below = 0;
    for (std::size_t first = 0; first < ranked.size();) {
        std::size_t last = first;
        while (last < ranked.size() && ranked[last] >> 16 == ranked[first] >> 16)
            ++last;
        for (std::size_t at = first; at < last; ++at) {
            const HoldingCards& held = cards[ranked[at] & 0xFFFF];
            ++levelByCard[static_cast<std::size_t>(held.High)];
            ++levelByCard[static_cast<std::size_t>(held.Low)];
        }
        const std::uint64_t level = last - first;
        for (std::size_t at = first; at < last; ++at) {
            const HoldingCards& held = cards[ranked[at] & 0xFFFF];
            const auto high = static_cast<std::size_t>(held.High);
            const auto low = static_cast<std::size_t>(held.Low);
            const auto hand = static_cast<std::size_t>(held.Hand);
            tally.Wins[hand] += count * (below - belowByCard[high] - belowByCard[low]);
            // The holding itself is level with itself and holds both of its cards.
            tally.Ties[hand] += count * (level - levelByCard[high] - levelByCard[low] + 1);
        }
        for (std::size_t at = first; at < last; ++at) {
            const HoldingCards& held = cards[ranked[at] & 0xFFFF];
            levelByCard[static_cast<std::size_t>(held.High)] = 0;
            levelByCard[static_cast<std::size_t>(held.Low)] = 0;
            ++belowByCard[static_cast<std::size_t>(held.High)];
            ++belowByCard[static_cast<std::size_t>(held.Low)];
        }
        below += level;
        first = last;
    }
}

std::string orderTable(const Tally& tally) {
    std::vector<ranges::StartingHand> hands;
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 13; ++column) {
            ranges::StartingHand hand{14 - std::min(row, column), 14 - std::max(row, column), row < column,
                                      0.0};
            const auto cell = static_cast<std::size_t>(row * 13 + column);
            hand.Equity =
                (static_cast<double>(tally.Wins[cell]) + static_cast<double>(tally.Ties[cell]) / 2.0) /
                (ranges::holdingsOf(hand) * kMatchupsPerHolding);
            hands.push_back(hand);
        }
    }
    std::ranges::stable_sort(hands, std::greater{}, &ranges::StartingHand::Equity);
    std::ostringstream table;
    for (const ranges::StartingHand& hand : hands) {
        char line[96];
        std::snprintf(line, sizeof line, "{%d, %d, %s, %.8f}, // %s\n", hand.High, hand.Low,
                      hand.Suited ? "true" : "false", hand.Equity, ranges::startingHandName(hand).c_str());
        table << line;
    }
    return table.str();
}

} // namespace

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    const auto cards = holdingCards();
    const auto classes = boardClasses();
    Tally tally;
    std::vector<std::uint64_t> ranked;
    ranked.reserve(equity::kHoldingCount);
    for (const auto& [board, count] : classes)
        tallyBoard(board, static_cast<std::uint64_t>(count), cards, ranked, tally);
    const std::string table = orderTable(tally);
    // Every showdown is a win for one side or a tie, so over all holdings the equities average one half.
    double shares = 0.0;
    for (int hand = 0; hand < kHands; ++hand) {
        shares += static_cast<double>(tally.Wins[static_cast<std::size_t>(hand)]) +
                  static_cast<double>(tally.Ties[static_cast<std::size_t>(hand)]) / 2.0;
    }
    if (argc > 1) {
        std::ofstream(argv[1]) << table;
    } else {
        std::cout << table;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cerr << classes.size() << " boards up to suits, mean equity "
              << shares / (equity::kHoldingCount * kMatchupsPerHolding) << ", " << took.count() << " s\n";
    return 0;
}
