#include "analysis/analyse_hand.h"
#include "cli/batch.h"
#include "cli/cli_options.h"

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
    if (const auto* error = std::get_if<UsageError>(&line)) return "error: " + error->Message;
    if (std::holds_alternative<HelpRequest>(line)) return "help";
    if (std::holds_alternative<BatchRequest>(line)) return "batch";
    if (const auto* deal = std::get_if<DealRequest>(&line)) {
        const practice::SpotFilter& only = deal->Filter;
        return "deal " + std::to_string(deal->Count) + " " + std::to_string(deal->Seed) + " " +
               std::to_string(static_cast<int>(only.OnStreet.value_or(practice::Street(9)))) +
               std::to_string(static_cast<int>(only.Board.value_or(practice::BoardKind(9)))) +
               std::to_string(only.PreflopProfile.value_or(9));
    }
    const auto& [h, raw, asJson] = std::get<SingleRequest>(line);
    std::ostringstream text;
    text << h.Hole << '|' << h.Board << '|' << h.Pot << '|' << h.HeroBet << '|' << h.VillainBet << '|'
         << h.Stack << '|' << h.Preflop << h.Postflop << h.VillainCount << raw << asJson << h.Equity << '|'
         << h.Range.value_or("-");
    return text.str();
}

TEST(CommandLine, ReadsOptionsNamesAndSaysWhatIsWrong) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Ad 7d;3s 4c 5h;--pot;100;--hero-bet;5;--villain-bet;-50;--stack;500;--preflop;0;--postflop;2;"
         "--villain-count;--raw;--json;--equity;--range;QQ+, AK",
         "Ad 7d|3s 4c 5h|100|5|-50|500|021111|QQ+, AK"},
        {"--preflop=fish;Ad 7d;--postflop;Tight;3s 4c 5h;--pot;1;--pot; 1 000",
         "Ad 7d|3s 4c 5h| 1 000||||300000|-"},
        {"Ad 7d;3s 4c 5h;--preflop;semiloose;--postflop;loose", "Ad 7d|3s 4c 5h|||||120000|-"},
        {"", "error: give the hole cards and the board"},
        {"Ad;7d;3s 4c 5h", "error: too many arguments"},
        {"Ad 7d;3s 4c 5h;--pot", "error: option --pot needs a value"},
        {"Ad 7d;3s 4c 5h;--preflop;two",
         "error: option --preflop takes 0..3 or nit, semiloose, loose, fish, not"},
        {"Ad 7d;3s 4c 5h;--preflop;4", "error: option --preflop takes 0..3"},
        {"Ad 7d;3s 4c 5h;--postflop;fish", "error: option --postflop takes 0..2 or tight, semiloose, loose"},
        {"Ad 7d;3s 4c 5h;--colour", "error: unknown option --colour"},
        {"--batch;Ad 7d", "error: --batch reads its hands from standard input"},
        {"--batch", "batch"},
        {"--deal;5", "deal 5 1 999"},
        {"--deal=7;--seed;18446744073709551615;--street;river;--board;paired;--preflop;nit",
         "deal 7 18446744073709551615 220"},
        {"--deal;0", "error: option --deal takes a number of spots from 1 to 1000000, not \"0\""},
        {"--deal;2;--board;wet",
         "error: option --board takes dry, coordinated, paired or flush, not \"wet\""},
        {"--deal;2;--street;preflop", "error: option --street takes flop, turn or river"},
        {"--deal;2;--seed;-1", "error: option --seed takes a whole number"},
        {"--deal;2;--json", "error: --json does not go with --deal"},
        {"--deal;2;Ad 7d", "error: --deal writes spots; it takes no cards"},
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

// The values a reader takes from the printed report, line by line, as a script would have to without
// "fields": the reference the answer's fields must equal.
json readPrintedReport(const std::string& report, const std::string& separator) {
    std::istringstream in(withNewlines(report));
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
    int better = 0;
    int tried = 0;
    const bool counted =
        std::sscanf(lines.back().c_str(), "Better Villain Hands: %d/%d", &better, &tried) == 2;
    fields["betterVillainHands"] = counted ? json{{"better", better}, {"tried", tried}} : json();
    return fields;
}

// A hand and a board of `boardCount` cards, all different, as the analysis reads them.
std::pair<std::string, std::string> randomHand(std::mt19937& random, int boardCount) {
    std::vector<std::string> deck;
    for (const char rank : std::string_view("23456789TJQKA"))
        for (const char suit : std::string_view("shcd"))
            deck.push_back({rank, suit});
    std::shuffle(deck.begin(), deck.end(), random);
    std::string board = deck[2];
    for (int i = 1; i < boardCount; ++i)
        board += " " + deck[static_cast<std::size_t>(2 + i)];
    return {deck[0] + " " + deck[1], board};
}

// Every answer's fields against the printed report; now and then with the exact figures, whose default
// range must be the profile's and read back from its own text.
TEST(Batch, FieldsEqualWhatTheReportPrintsAndEquityComesOnRequest) {
    constexpr std::array kHoldings{1081, 1035, 990};
    constexpr std::array kRunouts{990, 44, 1};
    std::mt19937 random(17);
    const std::array<json, 8> amounts{"", "0", "100", 12.5, "-5", " 1 000", "abc", 40000};
    for (int hand = 0; hand < 3000; ++hand) {
        const int street = static_cast<int>(random() % 3);
        const auto [hole, board] = randomHand(random, 3 + street);
        json line{{"hole", hole}, {"board", board}};
        for (const char* key : {"pot", "heroBet", "villainBet", "stack"})
            line[key] = amounts[random() % amounts.size()];
        line["preflop"] = random() % 4;
        line["villainCount"] = hand % 50 == 0;
        const std::string separator = hand % 2 == 0 ? "." : ",";
        const json answer = json::parse(answerBatchLine(line.dump(), separator));
        ASSERT_TRUE(answer.contains("fields")) << line;
        EXPECT_EQ(answer["fields"], readPrintedReport(answer["report"], separator)) << line;
        if (hand % 200 != 0) continue;
        line["equity"] = true;
        const json withEquity = json::parse(answerBatchLine(line.dump(), separator));
        EXPECT_EQ(withEquity["report"], answer["report"]);
        const json& figures = withEquity["equity"];
        EXPECT_EQ(figures["random"]["holdings"], kHoldings[street]) << line;
        EXPECT_EQ(figures["random"]["runouts"], kRunouts[street]) << line;
        EXPECT_NEAR(figures["random"]["equity"].get<double>(),
                    figures["random"]["win"].get<double>() + figures["random"]["tie"].get<double>() / 2,
                    1e-12);
        const json nextCards = figures.value("nextCard", json::array());
        EXPECT_EQ(nextCards.size(), street < 2 ? 47u - street : 0u);
        for (const json& next : nextCards) {
            const bool out = figures["range"]["equity"] < 0.5 ? next["equity"] >= 0.5 : next["equity"] < 0.5;
            const json& outs = figures["trueOuts"]["cards"];
            EXPECT_EQ(out, std::find(outs.begin(), outs.end(), next["card"]) != outs.end()) << next;
            EXPECT_EQ(line.dump().find(next["card"].get<std::string>()), std::string::npos) << next;
        }
        double made = 0.0;
        for (std::size_t row = 0; row < 12; ++row)
            made += figures["board"][row]["holdings"].get<double>();
        EXPECT_NEAR(made, figures["range"]["holdings"].get<double>(), 1e-9);
        line["range"] = figures["range"]["text"];
        EXPECT_EQ(json::parse(answerBatchLine(line.dump(), separator))["equity"], figures) << line;
    }
}

std::string expectedReport(const std::string& hole, std::string board, const std::string& pot,
                           const std::string& villainBet, const std::string& stack, int preflop) {
    return analyseHand(hole, board, pot, "", villainBet, stack, preflop, 1, false);
}

TEST(Batch, IdsNumbersAndNamesAnswerLikeTheTextsOfOldAndErrorsSayWhy) {
    const json plain = json::parse(answerBatchLine(
        R"({"hole":"Ad 7d","board":"3s 4c 5h","pot":"100","villainBet":"50.5","stack":"500","preflop":3})",
        "."));
    EXPECT_EQ(plain["report"], expectedReport("Ad 7d", "3s 4c 5h", "100", "50.5", "500", 3));
    const json named = json::parse(answerBatchLine(
        R"({"id":{"q":[1]},"hole":"Ad 7d","board":"3s 4c 5h","pot":100,"villainBet":50.5,"stack":5e2,)"
        R"("preflop":"Fish","postflop":"tight"})",
        "."));
    EXPECT_EQ(named["id"], json::parse(R"({"q":[1]})"));
    EXPECT_EQ(named["report"], plain["report"]);
    EXPECT_EQ(named["fields"], plain["fields"]);

    const std::vector<std::pair<std::string, std::string>> errors{
        {"", "not valid JSON"},
        {"{\"hole\":\"\xff\xfe\"}", "not valid JSON"},
        {"[1,2]", "JSON object"},
        {std::string(100000, '[') + std::string(100000, ']'), "too deeply"},
        {R"({"id":7,"hole":7})", "\"hole\" must be a string"},
        {R"({"pot":[1]})", "\"pot\" must be a number or a string"},
        {R"({"preflop":1.5})", "\"preflop\" must be 0..3 or nit, semiloose, loose, fish"},
        {R"({"postflop":"fish"})", "\"postflop\" must be 0..2 or tight, semiloose, loose"},
        {R"({"preflop":99999999999})", "\"preflop\" must be 0..3"},
        {R"({"villainCount":1})", "true or false"},
        {R"({"herobet":"5"})", "unknown key \"herobet\""},
        {R"({"id":null,"hole":"Ad Ad","board":"3s 4c 5h"})", "twice"},
        {R"({"hole":"A\u0000 7d","board":"3s 4c"})", "suit"},
        {R"({})", "hole cards"},
    };
    for (const auto& [line, message] : errors) {
        const json answer = json::parse(answerBatchLine(line, "."));
        EXPECT_NE(answer.value("error", "").find(message), std::string::npos) << line << " -> " << answer;
        EXPECT_EQ(answer.contains("id"), line.find("\"id\"") != std::string::npos) << answer;
    }
}

TEST(Deal, SpotsAreReadBackByTheBatchFollowTheFiltersAndTheSeed) {
    const auto deal = [](std::uint64_t seed) {
        std::ostringstream out;
        writeDeal({40, seed, {practice::Street::kTurn, practice::BoardKind::kPaired, 2}}, out);
        return out.str();
    };
    const std::string spots = deal(5);
    EXPECT_EQ(deal(5), spots);
    EXPECT_NE(deal(6), spots);
    std::istringstream in(spots);
    int count = 0;
    for (std::string line; std::getline(in, line); ++count) {
        const json answer = json::parse(answerBatchLine(line, "."));
        EXPECT_EQ(answer["id"], count + 1);
        EXPECT_TRUE(practice::textureIsOfKind(answer["fields"]["board"].get<std::string>(),
                                              practice::BoardKind::kPaired))
            << answer;
        EXPECT_EQ(json::parse(line)["board"].get<std::string>().size(), 11u) << line;
        EXPECT_EQ(json::parse(line)["preflop"], 2) << line;
        EXPECT_NE(answer["fields"]["pmeNextCard"], nullptr) << answer;
    }
    EXPECT_EQ(count, 40);
}

// The program's standard output for a shell command line under a locale (standard error is dropped unless
// redirected), and its exit code.
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

TEST(Program, PrintsTheReportItsJsonOrItsBatchAnswersAndExitsWithTwoOnErrors) {
    const std::string hand = "'Ad 7d' '3s 4c 5h' --pot 100 --villain-bet 50 --stack 500 --preflop nit";
    const std::string report = expectedReport("Ad 7d", "3s 4c 5h", "100", "50", "500", 0);
    EXPECT_EQ(runProgram(hand).first, withNewlines(report));
    EXPECT_EQ(runProgram(hand + " --raw").first, report);
    EXPECT_EQ(runProgram(hand + " --json").first,
              answerBatchLine(R"({"hole":"Ad 7d","board":"3s 4c 5h","pot":100,"villainBet":50,"stack":500,)"
                              R"("preflop":0})",
                              ".") +
                  "\n");
    EXPECT_NE(runProgram(hand, "'' LC_NUMERIC=de_DE.UTF-8")
                  .first.find("PME(AI): 45,5% PME(+1Card): 25,0%\nSPR: 5,00 ("),
              std::string::npos);
    // The figures for people are those for scripts, rounded.
    const json figures = json::parse(runProgram(hand + " --equity --json").first)["equity"]["random"];
    std::array<char, 100> expected{};
    std::snprintf(expected.data(), expected.size(),
                  ")\n\nExact equity vs a random hand: %.2f%% (win %.2f%%, tie %.2f%%)\n",
                  100 * figures["equity"].get<double>(), 100 * figures["win"].get<double>(),
                  100 * figures["tie"].get<double>());
    EXPECT_NE(runProgram(hand + " --equity").first.find(expected.data()), std::string::npos);

    const std::vector<std::pair<std::string, std::string>> failures{
        {"'Ad 7d' 'Ad 4c 5h' --json", "tavolin-report: a hole card also lies on the board\n"},
        {"'Kh Qh' 'Jh 7h 2c' --equity --range 'TT+, AQx'",
         "tavolin-report: the range cannot be read: Entry 2 \"AQx\""},
        {"--bogus", "tavolin-report: unknown option --bogus\n"},
    };
    for (const auto& [arguments, message] : failures) {
        EXPECT_EQ(runProgram(arguments + " 2>/dev/null"), std::make_pair(std::string(), 2)) << arguments;
        EXPECT_EQ(runProgram(arguments + " 2>&1").first.substr(0, message.size()), message);
    }
    const std::string lines =
        "{\"id\":[2],\"hole\":\"Kh Qh\",\"board\":\"Jh 7h 2c 9s\",\"pot\":50}\nnot json\n{}\n";
    std::string answers;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);)
        answers += answerBatchLine(line, ".") + "\n";
    EXPECT_EQ(runProgram("--batch <<'EOF'\n" + lines + "EOF\n"), std::make_pair(answers, 0));
}

} // namespace
} // namespace tavolin::cli
