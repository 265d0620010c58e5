#include "analysis/analyse_hand.h"
#include "analysis/report.h"
#include "cli/batch.h"
#include "cli/cli_options.h"
#include "practice/board_kind.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace tavolin::cli {
namespace {

using nlohmann::json;

// A parsed command line in one line of text, so that a table can say what each argument list gives.
std::string summary(const CommandLine& line) {
    std::ostringstream text;
    if (const auto* error = std::get_if<UsageError>(&line)) return "error: " + error->Message;
    if (const auto* deal = std::get_if<DealRequest>(&line)) {
        const practice::SpotFilter& only = deal->Filter;
        text << "deal " << deal->Count << ' ' << deal->Seed << ' ' << static_cast<int>(only.OnStreet.value())
             << static_cast<int>(only.Board.value()) << only.PreflopProfile.value_or(9);
    } else if (const auto* single = std::get_if<SingleRequest>(&line)) {
        const HandRequest& h = single->Hand;
        text << h.Hole << '|' << h.Board << '|' << h.Pot << '|' << h.HeroBet << '|' << h.VillainBet << '|'
             << h.Stack << '|' << h.Preflop << h.Postflop << h.VillainCount << single->Raw << single->Json
             << h.Equity << '|' << h.Range.value_or("-");
    }
    return std::holds_alternative<HelpRequest>(line) ? "help" : text.str();
}

TEST(CommandLine, ReadsOptionsNamesAndSaysWhatIsWrong) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Ad 7d;3s 4c 5h;--pot;100;--hero-bet;5;--villain-bet;-50;--stack;500;--preflop;0;--postflop;2;"
         "--villain-count;--raw;--json;--equity;--range;QQ+, AK",
         "Ad 7d|3s 4c 5h|100|5|-50|500|021111|QQ+, AK"},
        {"--preflop=fish;Ad 7d;--postflop;Tight;3s 4c 5h;--pot;1;--pot; 1 000",
         "Ad 7d|3s 4c 5h| 1 000||||300000|-"},
        {"", "error: give the hole cards and the board"},
        {"Ad;7d;3s 4c 5h", "error: too many arguments"},
        {"Ad 7d;3s 4c 5h;--pot", "error: option --pot needs a value"},
        {"Ad 7d;3s 4c 5h;--preflop;two",
         "error: option --preflop takes 0..3 or nit, semiloose, loose, fish, not"},
        {"Ad 7d;3s 4c 5h;--preflop;4",
         "error: option --preflop takes 0..3 or nit, semiloose, loose, fish, not"},
        {"Ad 7d;3s 4c 5h;--postflop;fish", "error: option --postflop takes 0..2 or tight, semiloose, loose"},
        {"Ad 7d;3s 4c 5h;--colour", "error: unknown option --colour"},
        {"--batch;Ad 7d", "error: --batch reads its hands from standard input"},
        {"--deal=7;--seed;18446744073709551615;--street;river;--board;paired;--preflop;nit",
         "deal 7 18446744073709551615 220"},
        {"--deal;0", "error: option --deal takes a number of spots from 1 to 1000000, not \"0\""},
        {"--deal;2;--board;wet",
         "error: option --board takes dry, coordinated, paired or flush, not \"wet\""},
        {"--deal;2;--json", "error: --json does not go with --deal"},
        {"--deal;2;--leak;1;--close", "error: --close does not go with --leak"},
        {"Ad 7d;3s 4c 5h;--keep;top pair, pairs", "error: --keep: \"pairs\" is not a class"},
        {"Ad 7d;3s 4c 5h;--range;AA;--range;KK;--range;QQ;--range;JJ",
         "error: --range is given once per villain"},
        {"Ad 7d;3s 4c 5h;--seed;3", "error: --seed goes with --deal only"},
        {"Ad 7d;--bogus;--help", "help"},
    };
    for (const auto& [joined, expected] : cases) {
        std::vector<std::string> args;
        std::istringstream in(joined);
        for (std::string arg; std::getline(in, arg, ';');)
            args.push_back(arg);
        const std::string got = summary(parseCommandLine(args));
        EXPECT_EQ(got.substr(0, expected.size()), expected) << joined << " -> " << got;
    }
}

// The values a script would take from the printed report line by line: the reference for "fields".
json readPrintedReport(const std::string& report, const std::string& separator) {
    std::istringstream in(withPlainLineEnds(report));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    // What follows the label on the line, as a number or up to `end`; null for no such line or label.
    const auto value = [&](std::size_t line, const std::string& label, bool number, const char* end = "") {
        const auto at = line < lines.size() ? lines[line].find(label) : std::string::npos;
        if (at == std::string::npos) return json();
        std::string text = lines[line].substr(at + label.size());
        if (!number) return json(text.substr(0, text.size() - std::string_view(end).size()));
        if (const auto point = text.find(separator); point != std::string::npos) text.replace(point, 1, ".");
        return json(std::stod(text));
    };
    json fields{{"hand", value(0, "Hand: ", false)},
                {"board", value(1, "Board: ", false)},
                {"strength", value(2, "Strength: ", false)},
                {"outs", value(3, "Outs: ", true)},
                {"outsLines", json::array()}};
    std::size_t i = 4;
    for (; !lines[i].starts_with("PER(AI): "); ++i)
        fields["outsLines"].push_back(lines[i]);
    const std::size_t amounts =
        i + 1 < lines.size() && lines[i + 1].starts_with("PME") ? i + 1 : lines.size();
    fields["perAllIn"] = value(i, "PER(AI): ", true);
    fields["perNextCard"] = value(i, "PER(+1Card): ", true);
    fields["pmeAllIn"] = value(amounts, "PME(AI): ", true);
    fields["pmeNextCard"] = value(amounts, "PME(+1Card): ", true);
    fields["spr"] = value(amounts + 1, "SPR: ", true);
    fields["commitment"] = value(amounts + 1, " (", false, ")");
    std::array<int, 2> n{};
    const bool counted = std::sscanf(lines.back().c_str(), "Better Villain Hands: %d/%d", &n[0], &n[1]) == 2;
    fields["betterVillainHands"] = counted ? json{{"better", n[0]}, {"tried", n[1]}} : json();
    return fields;
}

json answerTo(const std::string& line, const std::string& separator = ".") {
    return json::parse(answerBatchLine(line, separator));
}

// Fields against the printed report; now and then the exact figures, the default range read back as text.
TEST(Batch, FieldsEqualWhatTheReportPrintsAndEquityComesOnRequest) {
    std::mt19937 random(17);
    std::vector<std::string> deck;
    for (const char rank : std::string_view("23456789TJQKA"))
        for (const char suit : std::string_view("shcd"))
            deck.push_back({rank, suit});
    const std::array<json, 8> amounts{"", "0", "100", 12.5, "-5", " 1 000", "abc", 40000};
    for (int hand = 0; hand < 3000; ++hand) {
        std::shuffle(deck.begin(), deck.end(), random);
        const std::size_t street = random() % 3;
        json line{{"hole", deck[0] + " " + deck[1]}, {"board", deck[2] + " " + deck[3] + " " + deck[4]}};
        for (std::size_t card = 5; card < 5 + street; ++card)
            line["board"] = line["board"].get<std::string>() + " " + deck[card];
        for (const char* key : {"pot", "heroBet", "villainBet", "stack"})
            line[key] = amounts[random() % amounts.size()];
        line["preflop"] = random() % 4;
        line["villainCount"] = hand % 50 == 0;
        const std::string separator = hand % 2 == 0 ? "." : ",";
        const json answer = answerTo(line.dump(), separator);
        ASSERT_TRUE(answer.contains("fields")) << line;
        json fields = answer["fields"];
        EXPECT_EQ(fields["outsCards"].size(), fields["outsLines"].size()) << line; // one list of cards a line
        fields.erase("outsCards");
        EXPECT_EQ(fields, readPrintedReport(answer["report"], separator)) << line;
        if (hand % 200 != 0) continue;
        line["equity"] = true;
        const json withEquity = answerTo(line.dump(), separator);
        EXPECT_EQ(withEquity["report"], answer["report"]);
        const json& figures = withEquity["equity"];
        EXPECT_EQ(figures["random"]["runouts"], (std::array{990, 44, 1}[street])) << line;
        EXPECT_EQ(figures.value("nextCard", json::array()).size(), street < 2 ? 47 - street : 0) << line;
        const json kind = figures["range"]["equity"] < 0.5 ? "behind" : "ahead"; // the cards that change it
        EXPECT_EQ(figures.value("trueOuts", json{{"kind", kind}})["kind"], kind) << line;
        line["range"] = figures["range"]["text"];
        EXPECT_EQ(answerTo(line.dump(), separator)["equity"], figures) << line;
        // Cards are read by their place, whatever stands between them, by the report and the figures alike.
        for (const char* key : {"hole", "board"})
            std::ranges::replace(line[key].get_ref<std::string&>(), ' ', ';');
        EXPECT_EQ(answerTo(line.dump(), separator)["equity"], figures) << line;
    }
}

TEST(Batch, IdsNumbersAndNamesAnswerLikeTextsAndErrorsSayWhy) {
    json named = answerTo(R"({"id":{"q":[1]},"hole":"Ad 7d","board":"3s 4c 5h","pot":100,"villainBet":50.5,)"
                          R"("stack":5e2,"preflop":"Fish","postflop":"tight"})");
    EXPECT_EQ(named["id"], json::parse(R"({"q":[1]})"));
    named.erase("id");
    EXPECT_EQ(named, answerTo(R"({"hole":"Ad 7d","board":"3s 4c 5h","pot":"100","villainBet":"50.5",)"
                              R"("stack":"500","preflop":3,"postflop":0})"));
    const std::vector<std::pair<std::string, std::string>> errors{
        {"", "not valid JSON"},
        {"[1,2]", "JSON object"},
        {std::string(100000, '[') + std::string(100000, ']'), "too deeply"},
        {R"({"id":7,"hole":7})", "\"hole\" must be a string"},
        {R"({"pot":[1]})", "\"pot\" must be a number or a string"},
        {R"({"preflop":1.5})", "\"preflop\" must be 0..3 or nit, semiloose, loose, fish"},
        {R"({"postflop":"fish"})", "\"postflop\" must be 0..2 or tight, semiloose, loose"},
        {R"({"equity":1})", "\"equity\" must be true or false"},
        {R"({"herobet":"5"})", "unknown key \"herobet\""},
        {R"({"id":null,"hole":"Ad Ad","board":"3s 4c 5h"})", "twice"},
        {R"({"id":"x","hole":"Ad 7d","board":"3s 4c 5h","range":"QQ+,AQx"})", "Entry 2 \"AQx\""},
    };
    for (const auto& [line, message] : errors) {
        const json answer = answerTo(line);
        EXPECT_NE(answer.value("error", "").find(message), std::string::npos) << line << " -> " << answer;
        EXPECT_EQ(answer.contains("id"), line.find("\"id\"") != std::string::npos) << answer;
    }
}

// Standard output and exit code of a shell command line under a locale (standard error dropped unless
// redirected).
std::pair<std::string, int> runProgram(const std::string& arguments, const std::string& locale = "C") {
    const std::string command = "LC_ALL=" + locale + " '" + TAVOLIN_REPORT_PROGRAM + "' " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer{};
    for (std::size_t read = 0; (read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        output.append(buffer.data(), read);
    const int status = pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(Program, PrintsTheReportItsJsonOrDealtSpotsAndExitsWithTwoOnErrors) {
    const std::string hand = "'Ad 7d' '3s 4c 5h' --pot 100 --villain-bet 50 --stack 500 --preflop nit";
    std::string board = "3s 4c 5h";
    const std::string report = analyseHand("Ad 7d", board, "100", "", "50", "500", 0, 1, false);
    EXPECT_EQ(runProgram(hand).first, withPlainLineEnds(report));
    EXPECT_EQ(runProgram(hand + " --raw").first, report);
    EXPECT_EQ(
        json::parse(runProgram(hand + " --json").first),
        answerTo(R"({"hole":"Ad 7d","board":"3s 4c 5h","pot":100,"villainBet":50,"stack":500,"preflop":0})"));
    EXPECT_NE(runProgram(hand + " --equity", "'' LC_NUMERIC=de_DE.UTF-8")
                  .first.find("PME(+1Card): 25,0%\nSPR: 5,00 (No committed)\n\n"
                              "Exact equity vs a random hand: 56,35% (win 53,35%, tie 6,00%)\n"),
              std::string::npos);
    for (const std::string arguments :
         {"'Ad 7d' 'Ad 4c 5h' --json", "--bogus", "'Ad 7d' '3s 4c 5h' --range x"}) {
        EXPECT_EQ(runProgram(arguments + " 2>/dev/null"), std::make_pair(std::string(), 2)) << arguments;
        EXPECT_TRUE(runProgram(arguments + " 2>&1").first.starts_with("tavolin-report: ")) << arguments;
    }

    // Dealt spots go through the batch in order: the same seed gives the same lines, each of the kind asked.
    const std::string deal = "--deal 30 --street turn --board paired --preflop loose --seed ";
    const auto [spots, dealt] = runProgram(deal + "5");
    EXPECT_EQ(runProgram(deal + "5").first, spots);
    const auto [answers, answered] = runProgram(deal + "5 | '" + TAVOLIN_REPORT_PROGRAM + "' --batch");
    EXPECT_EQ(std::make_pair(dealt, answered), std::make_pair(0, 0));
    std::istringstream spotLines(spots);
    std::istringstream answerLines(answers);
    int count = 0;
    for (std::string spot, line; std::getline(spotLines, spot) && std::getline(answerLines, line);) {
        const json asked = json::parse(spot);
        const json answer = json::parse(line);
        EXPECT_EQ(answer["id"], ++count);
        EXPECT_EQ(asked["board"].get<std::string>().size(), 11u) << spot; // four cards: a turn
        EXPECT_EQ(asked["preflop"], 2) << spot;
        const std::string texture = answer["fields"]["board"];
        EXPECT_TRUE(practice::textureIsOfKind(texture, practice::BoardKind::kPaired)) << line;
    }
    EXPECT_EQ(count, 30);
}

} // namespace
} // namespace tavolin::cli
