#include "cards/card_text.h"
#include "equity/holdings.h"
#include "ranges/range_text.h"
#include "ranges/starting_hands.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace tavolin::ranges {
namespace {

struct NotationCase {
    const char* Text;
    double Holdings; // summed weight
    double Live;     // summed weight once As Kh Qs 7c 7d are dead
};

constexpr NotationCase kNotation[] = {
    // pairs
    {"TT", 6, 6},
    {"TT+", 30, 21},
    {"88-55", 24, 19},
    {"55-88", 24, 19},
    {"77", 6, 1},
    {"22+", 78, 64},
    // suited, offsuit, both, runs of them
    {"AKs", 4, 2},
    {"AKo", 12, 7},
    {"AK", 16, 9},
    {"ka", 16, 9},
    {"AKs+", 4, 2},
    {"A9s+", 20, 14},
    {"A9o+", 60, 40},
    {"A9+", 80, 54},
    {"K9s-K6s", 16, 10},
    {"K6S-K9S", 16, 10},
    // single holdings
    {"AhKh", 1, 0},
    {"2c3d", 1, 1},
    // weights, later tokens overriding
    {"AQo:0.5", 6, 3},
    {"AK, AKs:0.25", 13, 7.5},
    {"TT : .5", 3, 3},
    {"AQo:0.5, AQo:1", 12, 6},
    // everything, nothing, lists
    {"random", 1326, 1081},
    {"ANY:0.5", 663, 540.5},
    {"", 0, 0},
    {" , AA ,", 6, 3},
    {"QQ+, AKs, AJo+", 58, 33},
};

TEST(RangeText, ReadsEachKindOfTokenAndNamesTheBadOne) {
    const CardMask dead = *readCardList("As Kh Qs 7c 7d");
    for (const NotationCase& notation : kNotation) {
        const RangeReading reading = readRange(notation.Text);
        EXPECT_TRUE(reading.Ok) << reading.Error.Message;
        EXPECT_DOUBLE_EQ(std::accumulate(reading.Weights.begin(), reading.Weights.end(), 0.0),
                         notation.Holdings)
            << notation.Text;
        EXPECT_DOUBLE_EQ(equity::liveWeight(reading.Weights, dead), notation.Live) << notation.Text;
    }
    // Each bad entry stands third, after an empty one: it is named with its place and nothing is read.
    for (const std::string bad : {"AKx",  "AK:0",         "AK:1.5",   "AK:1e999", "AA:nan",  "AA:-0",   "AK:",
                                  "-0",   "TTs",          "AsAs",     "K9s-Q6s",  "K9s-K6o", "88-K5",   "A",
                                  "AKss", "AhKh:0.5:0.5", "random:2", "AA+KK",    "TT-",     "\xff\xfe"}) {
        const RangeReading reading = readRange("AA,, " + bad + " , KK");
        EXPECT_FALSE(reading.Ok) << bad;
        EXPECT_EQ(reading.Error.Place, 3) << bad;
        EXPECT_NE(reading.Error.Message.find('"' + reading.Error.Token + '"'), std::string::npos) << bad;
        EXPECT_EQ(reading.Weights, HoldingWeights{}) << bad;
    }
}

TEST(RangeText, WritesTheShortestConventionalText) {
    const std::pair<const char*, const char*> cases[] = {
        {"AJo+, QQ+, AKs", "QQ+, AKs, AJo+"},
        {"55-88, 22", "88-55, 22"},
        {"ATs+, ATo+", "AT+"},
        {"A9s+, ATo+", "A9s+, ATo+"},
        {"K9s, K8s, K7s, K6s", "K9s-K6s"},
        {"AA:0.5, KK:0.5, AK", "AK, KK+:0.5"},
        {"AKs, AsKs:0.5", "AKs, AsKs:0.5"},
        {"any:0.5, AA", "random:0.5, AA"},
        {"K2s+, 22+", "22+, K2s+"},
    };
    for (const auto& [text, canonical] : cases)
        EXPECT_EQ(rangeText(readRange(text).Weights), canonical) << text;
}

// Ranges of whole hands, of hands partly in and of mixed weights read back exactly from their text.
// Weights a text cannot say come back as the weights they count with, the rule exact equity uses.
TEST(RangeText, CanonicalTextReadsBackToTheSameWeights) {
    const double unusual[] = {INFINITY, -INFINITY, NAN, -0.5, 3.0};
    std::mt19937_64 random(14);
    std::uniform_real_distribution<double> anyWeight(0.0, 1.0);
    const double someWeights[] = {1.0, 1.0, 0.5, 0.25};
    for (int round = 0; round < 400; ++round) {
        HoldingWeights weights{};
        const double fullShare = round % 4 == 0 ? 1.0 : anyWeight(random);
        for (const StartingHand& hand : startingHandOrder()) {
            const double draw = anyWeight(random);
            if (draw < fullShare) setStartingHand(weights, hand, someWeights[random() % 4]);
            if (draw > 0.97) setStartingHand(weights, hand, anyWeight(random));
        }
        for (int single = 0; single < static_cast<int>(random() % 20); ++single) {
            weights[random() % weights.size()] = random() % 2 ? 1.0 : anyWeight(random) + 1e-9;
        }
        HoldingWeights counted{};
        if (round % 5 == 0) weights[random() % weights.size()] = unusual[random() % 5];
        const std::string text = rangeText(weights);
        std::ranges::transform(weights, counted.begin(), equity::usableWeight);
        const RangeReading reading = readRange(text);
        ASSERT_TRUE(reading.Ok) << text << ": " << reading.Error.Message;
        ASSERT_EQ(reading.Weights, counted) << text;
    }
}

} // namespace
} // namespace tavolin::ranges
