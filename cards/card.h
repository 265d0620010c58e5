#pragma once

#include <bit>
#include <compare>
#include <cstdint>

namespace tavolin {

// A set of cards, one bit per card: bit Card::index().
using CardMask = std::uint64_t;

inline constexpr int kDeckSize = 52;
inline constexpr int kRanksPerSuit = 13;
inline constexpr int kSuitCount = 4;
inline constexpr int kLowestRank = 2;
inline constexpr int kAce = 14;
inline constexpr CardMask kFullDeck = (CardMask{1} << kDeckSize) - 1;

// One card: rank 2..14 (the ace 14), suit 0..3 for spades, hearts, clubs, diamonds. Its index
// 13 * suit + (rank - 2) is its bit in a CardMask, so the index orders cards by suit, then rank.
class Card {
public:
    // `rank` 2..14 and `suit` 0..3; anything else is the caller's fault (see isCard).
    constexpr Card(int rank, int suit) : Index(static_cast<std::uint8_t>(kRanksPerSuit * suit + rank - 2)) {}

    // `index` 0..51.
    static constexpr Card fromIndex(int index) { return Card(static_cast<std::uint8_t>(index)); }
    static constexpr bool isCard(int rank, int suit) {
        return rank >= kLowestRank && rank <= kAce && suit >= 0 && suit < kSuitCount;
    }

    constexpr int rank() const { return Index % kRanksPerSuit + 2; }
    constexpr int suit() const { return Index / kRanksPerSuit; }
    constexpr int index() const { return Index; }
    constexpr CardMask mask() const { return CardMask{1} << Index; }

    friend constexpr bool operator==(Card, Card) = default;
    friend constexpr auto operator<=>(Card, Card) = default;

private:
    explicit constexpr Card(std::uint8_t index) : Index(index) {}
    std::uint8_t Index;
};

constexpr CardMask maskOf(Card card) {
    return card.mask();
}

constexpr int cardCount(CardMask cards) {
    return std::popcount(cards);
}

// A suit's cards as a 13-bit mask, bit rank - 2.
inline constexpr unsigned kSuitRanks = (1U << kRanksPerSuit) - 1;
constexpr unsigned suitRanks(CardMask cards, int suit) {
    return static_cast<unsigned>(cards >> (kRanksPerSuit * suit)) & kSuitRanks;
}

// The cards of a mask in index order: `for (Card card : cardsIn(mask))`.
class CardsIn {
public:
    class Iterator {
    public:
        constexpr explicit Iterator(CardMask rest) : Rest(rest) {}
        constexpr Card operator*() const { return Card::fromIndex(std::countr_zero(Rest)); }
        constexpr Iterator& operator++() {
            Rest &= Rest - 1;
            return *this;
        }
        friend constexpr bool operator==(Iterator, Iterator) = default;

    private:
        CardMask Rest;
    };
    constexpr explicit CardsIn(CardMask cards) : Cards(cards) {}
    constexpr Iterator begin() const { return Iterator(Cards); }
    constexpr Iterator end() const { return Iterator(0); }

private:
    CardMask Cards;
};

constexpr CardsIn cardsIn(CardMask cards) {
    return CardsIn(cards);
}

} // namespace tavolin
