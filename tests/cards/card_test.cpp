#include "cards/card.h"
#include "cards/card_text.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// Every card survives the trip through its index, its name and the reader, in both letter cases.
TEST(Cards, EveryCardReadsBackFromItsNameAndIndex) {
    CardMask seen = 0;
    for (int suit = 0; suit < kSuitCount; ++suit) {
        for (int rank = 2; rank <= kAce; ++rank) {
            const Card card(rank, suit);
            EXPECT_EQ(card.rank(), rank);
            EXPECT_EQ(card.suit(), suit);
            EXPECT_EQ(Card::fromIndex(card.index()), card);
            EXPECT_EQ(card.mask() & seen, 0U);
            seen |= card.mask();
            const std::string name = cardName(card);
            EXPECT_EQ(readCard(name), card);
            EXPECT_EQ(readCard(name, LetterCase::kExact), card);
            const std::string swapped{static_cast<char>(name[0] ^ (name[0] >= 'A' ? 0x20 : 0)),
                                      static_cast<char>(name[1] ^ 0x20)};
            EXPECT_EQ(readCard(swapped), card) << swapped;
            if (name[0] >= 'A') {
                EXPECT_FALSE(readCard(swapped, LetterCase::kExact)) << swapped;
            }
        }
    }
    EXPECT_EQ(seen, kFullDeck);
    EXPECT_EQ(cardNames(kFullDeck).size(), 52U * 3 - 1);
}

TEST(Cards, RefusesWhatIsNoCard) {
    for (const char* text : {"", "A", "Ahh", "1h", "Ax", "hA", "10h", "Ah "})
        EXPECT_FALSE(readCard(text)) << text;
    EXPECT_EQ(readCardList("Ah Kh,Qh\tJh"), readCardList("AhKhQhJh"));
    EXPECT_FALSE(readCardList("Ah Ah"));
    EXPECT_FALSE(readCardList("Ah K"));
    EXPECT_EQ(readCardList(""), CardMask{0});
}

TEST(Cards, IteratesAMaskInIndexOrder) {
    const CardMask cards = *readCardList("2s As 2d Kh");
    std::string names;
    for (const Card card : cardsIn(cards))
        names += cardName(card);
    EXPECT_EQ(names, "2sAsKh2d");
    EXPECT_EQ(cardCount(cards), 4);
}

} // namespace
} // namespace tavolin
