// What real files do to a reader: encodings and line ends, names, damage in the middle of a file, hostile
// sizes, and Open Hand History laid out one way or another.
#include "history/history_reader.h"
#include "written_hands.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

namespace tavolin::history {
namespace {

using Entry = std::variant<Hand, Skip>;

std::vector<Entry> readAll(const std::string& text) {
    std::istringstream in(text);
    HistoryReader reader(in);
    std::vector<Entry> entries;
    while (auto entry = reader.next())
        entries.push_back(std::move(*entry));
    return entries;
}

// A hand's readable parts as one comparable text.
std::string summary(const Entry& entry) {
    if (const auto* skip = std::get_if<Skip>(&entry)) return "skip " + skip->Id + ": " + skip->Reason;
    const Hand& hand = std::get<Hand>(entry);
    std::string text =
        hand.Id + " " + hand.Hero + " " + std::to_string(hand.Net) + " " + std::to_string(hand.Board);
    for (const PlayerResult& player : hand.Players)
        text += " | " + player.Name + " " + std::to_string(player.Net);
    for (const Decision& decision : hand.Decisions)
        text += " / " + std::to_string(decision.Pot) + " " + std::to_string(decision.ToCall);
    return text;
}

std::vector<std::string> summaries(const std::string& text) {
    std::vector<std::string> lines;
    for (const Entry& entry : readAll(text))
        lines.push_back(summary(entry));
    return lines;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(Files, EncodingsLineEndsAndSeparatorsGiveTheSameHands) {
    const std::string two = written::kTournament + "\n\n" + written::kRunTwice;
    const std::vector<std::string> expected = summaries(two);
    ASSERT_EQ(expected.size(), 2U);
    EXPECT_NE(expected[0].find("J\xC3\xB6rg [x]: y -300000"), std::string::npos);
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<std::string> variants{
        bom + two,
        replaceAll(two, "\n", "\r\n"),
        replaceAll(two, "\n", "\r"),
        written::kTournament + written::kRunTwice,                    // no blank line between hands
        bom + written::kTournament + bom + written::kRunTwice,        // files joined, each with its mark
        replaceAll(two, "\xC3\xB6", "\xF6"),                          // Windows-1252 / Latin-1
        replaceAll(replaceAll(two, "\xC3\xB6", "\xF6"), "$", "\x80"), // and the euro sign in its byte
    };
    for (std::size_t i = 0; i < variants.size(); ++i) {
        std::vector<std::string> got = summaries(variants[i]);
        EXPECT_EQ(got, expected) << "variant " << i;
    }
}

TEST(Files, DamageInTheMiddleSkipsOnlyWhatIsDamaged) {
    std::string binary(300, '\0');
    std::mt19937 random(7);
    for (char& c : binary)
        c = static_cast<char>(random() % 200 + 14); // no line ends
    const std::string cut = written::kRunTwice.substr(0, written::kRunTwice.find("*** SUMMARY"));
    const std::string omaha = replaceAll(written::kRunTwice, "Hold'em No Limit", "Omaha Pot Limit");
    const std::string noHero = replaceAll(written::kRunTwice, "Dealt to Hero [As Ad]\n", "");
    const std::string cancelled = written::kRunTwice.substr(0, 200) + "\nHand cancelled\n*** SUMMARY ***\n";
    const std::vector<Entry> entries =
        readAll(binary + "\n" + written::kTournament + cut + omaha + noHero + cancelled + written::kRunTwice);
    std::vector<std::string> got;
    for (const Entry& entry : entries)
        got.push_back(summary(entry).substr(0, 40));
    const std::vector<std::string> expected{"skip : 1 line of text outside any hand",
                                            summary(readAll(written::kTournament)[0]).substr(0, 40),
                                            "skip 200000000002: the hand stops before",
                                            "skip 200000000002: not hold'em: Omaha Po",
                                            "skip 200000000002: the hero's cards are ",
                                            "skip 200000000002: the hand was cancelle",
                                            summary(readAll(written::kRunTwice)[0]).substr(0, 40)};
    EXPECT_EQ(got, expected);
}

TEST(Files, HostileSizesAreSkippedWithTheirReason) {
    const std::string longLine(3 * kMaxLineBytes, 'x');
    const std::string seats = [] {
        std::string lines;
        for (int i = 0; i < 5000; ++i)
            lines += "Seat " + std::to_string(i) + ": name" + std::to_string(i) + " (1 in chips)\n";
        return lines;
    }();
    const std::string header = written::kRunTwice.substr(0, written::kRunTwice.find('\n') + 1);
    const std::vector<Entry> text = readAll(longLine + "\n" + header + seats + written::kRunTwice);
    ASSERT_EQ(text.size(), 3U);
    EXPECT_EQ(summary(text[0]), "skip : 1 line of text outside any hand, a line longer than 65536 bytes");
    EXPECT_EQ(summary(text[1]), "skip 200000000002: more than 1000 lines in one hand");
    EXPECT_TRUE(std::holds_alternative<Hand>(text[2]));
    const std::string dealtLong = replaceAll(written::kRunTwice, "Dealt to Hero", "Dealt to Hero" + longLine);
    EXPECT_EQ(summary(readAll(dealtLong)[0]), "skip 200000000002: a line longer than 65536 bytes");

    const std::string bigObject = "{\"ohh\": {\"players\": [\"" + std::string(kMaxHandBytes, 'p') + "\"]}}";
    const std::vector<Entry> json = readAll("{\"ohh\": 1}\n" + bigObject + "\n{\"ohh\": {\"players\": [\n\n");
    ASSERT_EQ(json.size(), 3U);
    EXPECT_EQ(summary(json[1]), "skip : a line longer than 65536 bytes");
    EXPECT_EQ(summary(json[2]), "skip : not valid JSON");
}

TEST(Files, OpenHandHistoryOnePerLineOrPerBlock) {
    std::filesystem::path sample;
    for (const auto& entry : std::filesystem::directory_iterator(TAVOLIN_HH_SAMPLES "/ohh"))
        if (entry.path().extension() == ".ohh") sample = entry.path();
    ASSERT_FALSE(sample.empty());
    std::ifstream file(sample, std::ios::binary);
    const std::string pretty{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::string oneLine;
    std::string unseparated;
    for (std::size_t begin = 0, end = 0; begin < pretty.size(); begin = end + 2) {
        end = std::min(pretty.find("\n\n", begin), pretty.size());
        const auto hand = nlohmann::json::parse(pretty.substr(begin, end - begin));
        oneLine += hand.dump() + "\n";
        unseparated += hand.dump(2) + "\n";
    }
    const std::vector<std::string> expected = summaries(pretty);
    EXPECT_EQ(expected.size(), 3U);
    EXPECT_EQ(summaries(oneLine), expected);
    EXPECT_EQ(summaries(unseparated), expected);
    // A small blind raising by 2.5 chips to 3 reads the same written either way: the pots tell.
    const std::string hand =
        R"({"ohh": {"game_number": "42", "game_type": "Holdem", "hero_player_id": 1, "players": [{"id": 0,)"
        R"( "starting_stack": 10}, {"id": 1, "starting_stack": 10}], "rounds": [{"street": "Preflop", "actions": [)"
        R"({"player_id": 0, "action": "Post SB", "amount": 0.5}, {"player_id": 1, "action": "Post BB", "amount": 1},)"
        R"( {"player_id": 1, "action": "Dealt Cards", "cards": ["Ah", "Kd"]}, {"player_id": 0, "action": "Raise",)"
        R"( "amount": RAISE}, {"player_id": 1, "action": "Call", "amount": 2}]}], "pots": [{"amount": 6,)"
        R"( "player_wins": [{"player_id": 1, "win_amount": 6}]}]}})";
    EXPECT_EQ(summaries(replaceAll(hand, "RAISE", "3")), summaries(replaceAll(hand, "RAISE", "2.5")));
}

} // namespace
} // namespace tavolin::history
