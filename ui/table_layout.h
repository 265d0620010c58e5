#pragma once

// Where everything stands on the table, in twips (1/1440 inch). The view maps twips to pixels with one
// scale factor that follows the window's size, so the table is one picture whose relative places stay
// those of this table at any size.

#include "cards/card.h"

#include <array>
#include <string_view>

namespace tavolin::table {

struct Place {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

inline constexpr int kCardCount = 52;
inline constexpr int kSlotCount = 7;
inline constexpr int kHoleSlotCount = 2;
inline constexpr int kCardWidth = 375;
inline constexpr int kCardHeight = 510;

// At the opening size a card is about 33 px wide, so the table and a study column fit a 1366 x 768 screen.
inline constexpr double kDefaultPixelsPerTwip = 0.087;
inline constexpr double kSmallestPixelsPerTwip = 0.07;

constexpr int toPixels(int twips, double pixelsPerTwip) {
    const double pixels = twips * pixelsPerTwip;
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

// The card text of every card image, by index: hearts, spades, diamonds, clubs.
inline constexpr std::array<std::string_view, kCardCount> kCardTexts{
    "2h", "3h", "4h", "6h", "7h", "8h", "5h", "9h", "Th", "Jh", "Qh", "Kh", "Ah", //
    "9s", "8s", "7s", "6s", "5s", "4s", "3s", "2s", "Ts", "Js", "Qs", "Ks", "As", //
    "Ad", "Kd", "Qd", "Jd", "Td", "2d", "3d", "4d", "5d", "6d", "7d", "8d", "9d", //
    "Ac", "Kc", "Qc", "Jc", "Tc", "9c", "8c", "7c", "6c", "5c", "4c", "3c", "2c", //
};

// The home place of a card: its row by suit (hearts, spades, clubs, diamonds from the top), its column by
// rank (2 first, ace last).
constexpr Place cardHome(Card card) {
    constexpr std::array<int, kSuitCount> kRowTops{615, 105, 1125, 1635}; // by suit: s h c d
    int left = 105 + kCardWidth * (card.rank() - 2);
    // The diamond queen and ace stand a little apart from the rest of their row.
    if (card == Card(12, 3)) left = 3870;
    if (card == Card(kAce, 3)) left = 4620;
    return {left, kRowTops[static_cast<std::size_t>(card.suit())], kCardWidth, kCardHeight};
}

inline constexpr int kSlotTop = 2190;
inline constexpr std::array<int, kSlotCount> kSlotLefts{255, 630, 1095, 1470, 1845, 2220, 2595};

inline constexpr Place kClear{3075, 2220, 900, 450};
inline constexpr Place kShowHide{4065, 2220, 900, 450};
inline constexpr Place kCheck{2430, 3480, 600, 450};
inline constexpr Place kRandom{3075, 3480, 900, 450};
inline constexpr Place kCalc{4065, 3480, 900, 450};
inline constexpr Place kCalcVillain{90, 3975, 2730, 270};
inline constexpr Place kOutput{75, 4260, 4935, 2985};
// A line under the report that says what the table waits for and how odd input was read.
inline constexpr Place kStatus{75, 7275, 4935, 400};

inline constexpr std::array<Place, 4> kBets{{
    {1425, 2750, 825, 285},
    {1425, 3050, 825, 285},
    {1425, 3350, 825, 285},
    {1425, 3650, 825, 285},
}};
inline constexpr std::array<Place, 2> kVillains{{
    {3765, 2730, 1230, 315},
    {3765, 3075, 1230, 315},
}};
// Labels: the four amounts, then the two villain boxes; each ends where its box begins.
inline constexpr std::array<Place, 6> kLabels{{
    {90, 2760, 1335, 285},
    {90, 3075, 1335, 285},
    {90, 3375, 1335, 285},
    {60, 3675, 1365, 285},
    {2415, 2775, 1350, 285},
    {2415, 3105, 1350, 285},
}};

// The table is as wide as the deck and as tall as the status line reaches, with a small margin.
inline constexpr int kTableWidth = 5085;
inline constexpr int kTableHeight = 7750;

// The pixel size of text on the table and in the report, in twips of the picture, so text grows with it.
inline constexpr int kFontTwips = 120;
inline constexpr int kReportFontTwips = 115;

} // namespace tavolin::table
