#include "analysis/analyse_hand.h"
#include "cli/batch.h"
#include "cli/cli_options.h"

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
    const auto& single = std::get<SingleRequest>(line);
    const HandRequest& h = single.Hand;
    std::ostringstream text;
    text << h.Hole << '|' << h.Board << '|' << h.Pot << '|' << h.HeroBet << '|' << h.VillainBet << '|'
         << h.Stack << '|' << h.Preflop << h.Postflop << h.VillainCount << single.Raw << single.Json;
    return text.str();
}

TEST(CommandLine, ReadsOptionsNamesAndSaysWhatIsWrong) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"Ad 7d", "3s 4c 5h", "--pot", "100", "--hero-bet", "5", "--villain-bet", "-50", "--stack", "500",
          "--preflop", "0", "--postflop", "2", "--villain-count", "--raw", "--json"},
         "Ad 7d|3s 4c 5h|100|5|-50|500|02111"},
        {{"--preflop=fish", "Ad 7d", "--postflop", "Tight", "3s 4c 5h", "--pot", "1", "--pot", " 1 000"},
         "Ad 7d|3s 4c 5h| 1 000||||30000"},
        {{"Ad 7d", "3s 4c 5h", "--preflop", "semiloose", "--postflop", "loose"}, "Ad 7d|3s 4c 5h|||||12000"},
        {{}, "error: give the hole cards"},
        {{"Ad 7d"}, "error: give the hole cards"},
        {{"Ad", "7d", "3s 4c 5h"}, "error: too many arguments"},
        {{"Ad 7d", "3s 4c 5h", "--pot"}, "error: option --pot needs a value"},
        {{"Ad 7d", "3s 4c 5h", "--preflop", "two"},
         "error: option --preflop takes 0..3 or nit, semiloose, loo"},
        {{"Ad 7d", "3s 4c 5h", "--preflop", "4"}, "error: option --preflop takes 0..3"},
        {{"Ad 7d", "3s 4c 5h", "--postflop", "fish"}, "error: option --postflop takes 0..2 or tight, semi"},
        {{"Ad 7d", "3s 4c 5h", "--colour"}, "error: unknown option --colour"},
        {{"--batch", "Ad 7d"}, "error: --batch reads its hands from standard input"},
        {{"--batch"}, "batch"},
        {{"Ad 7d", "--bogus", "--help"}, "help"},
    };
    for (const auto& [args, expected] : cases) {
        const std::string got = summary(parseCommandLine(args));
        EXPECT_EQ(got.substr(0, expected.size()), expected) << got;
    }
}

// The values a reader takes from the printed report, line by line, as a script would have to without
// "fields": the reference the answer's fields must equal.
json readPrintedReport(const std::string& report, const std::string& separator) {
    std::istringstream in(withNewlines(report));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const auto number = [&](std::string text) {
        if (const auto at = text.find(separator); at != std::string::npos)
            text.replace(at, separator.size(), ".");
        return json(std::stod(text));
    };
    const auto after = [](const std::string& line, const std::string& label) {
        return line.substr(line.find(label) + label.size());
    };
    json fields{{"hand", after(lines[0], "Hand: ")},
                {"board", after(lines[1], "Board: ")},
                {"strength", after(lines[2], "Strength: ")},
                {"outs", number(after(lines[3], "Outs: "))}};
    std::size_t i = 4;
    for (fields["outsLines"] = json::array(); !lines[i].starts_with("PER(AI): "); ++i)
        fields["outsLines"].push_back(lines[i]);
    const auto percentAfter = [&](const std::string& line, const std::string& label) {
        return line.find(label) == std::string::npos ? json() : number(after(line, label));
    };
    fields["perAllIn"] = percentAfter(lines[i], "PER(AI): ");
    fields["perNextCard"] = percentAfter(lines[i], "PER(+1Card): ");
    const bool amounts = i + 1 < lines.size() && lines[i + 1].starts_with("PME(AI): ");
    fields["pmeAllIn"] = amounts ? percentAfter(lines[i + 1], "PME(AI): ") : json();
    fields["pmeNextCard"] = amounts ? percentAfter(lines[i + 1], "PME(+1Card): ") : json();
    fields["spr"] = amounts ? number(after(lines[i + 2], "SPR: ")) : json();
    const std::string verdict = amounts ? after(lines[i + 2], " (") : "";
    fields["commitment"] = amounts ? json(verdict.substr(0, verdict.size() - 1)) : json();
    fields["betterVillainHands"] = nullptr;
    if (lines.back().starts_with("Better Villain Hands: ")) {
        const std::string count = after(lines.back(), ": ");
        fields["betterVillainHands"] = {{"better", std::stoi(count)},
                                        {"tried", std::stoi(after(count, "/"))}};
    }
    return fields;
}

std::string randomCards(std::mt19937& random, int count, std::string& used) {
    static constexpr std::string_view kRanks = "23456789TJQKA";
    static constexpr std::string_view kSuits = "shcd";
    std::string text;
    while (count > 0) {
        const std::string card{kRanks[random() % 13], kSuits[random() % 4]};
        if (used.find(card) != std::string::npos) continue;
        used += card + " ";
        text += (text.empty() ? "" : " ") + card;
        --count;
    }
    return text;
}

TEST(Batch, FieldsEqualWhatTheReportPrintsOnRandomHands) {
    std::mt19937 random(17);
    const std::array<json, 8> amounts{"", "0", "100", 12.5, "-5", " 1 000", "abc", 40000};
    for (int hand = 0; hand < 3000; ++hand) {
        std::string used;
        json line{{"hole", randomCards(random, 2, used)},
                  {"board", randomCards(random, 3 + static_cast<int>(random() % 3), used)}};
        for (const char* key : {"pot", "heroBet", "villainBet", "stack"})
            line[key] = amounts[random() % amounts.size()];
        line["preflop"] = random() % 4;
        line["villainCount"] = hand % 50 == 0;
        const std::string separator = hand % 2 == 0 ? "." : ",";
        const json answer = json::parse(answerBatchLine(line.dump(), separator));
        ASSERT_TRUE(answer.contains("fields")) << line;
        EXPECT_EQ(answer["fields"], readPrintedReport(answer["report"], separator)) << line;
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
    EXPECT_FALSE(plain.contains("id"));
    const json named = json::parse(answerBatchLine(
        R"({"id":{"q":[1]},"hole":"Ad 7d","board":"3s 4c 5h","pot":100,"villainBet":50.5,"stack":5e2,)"
        R"("preflop":"Fish","postflop":"tight"})",
        "."));
    EXPECT_EQ(named["id"], json::parse(R"({"q":[1]})"));
    EXPECT_EQ(named["report"], plain["report"]);
    EXPECT_EQ(named["fields"], plain["fields"]);
    EXPECT_EQ(json::parse(answerBatchLine(R"({"hole":"Ad 7d","board":"3s 4c 5h"})", "."))["report"],
              expectedReport("Ad 7d", "3s 4c 5h", "", "", "", 1));

    const std::vector<std::pair<std::string, std::string>> errors{
        {"", "not valid JSON"},
        {"{\"hole\":", "not valid JSON"},
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

TEST(Batch, EquityComesOnRequestAndTheDefaultRangeIsTheProfilesReadBackFromItsText) {
    std::mt19937 random(13);
    const std::array<int, 3> holdings{1081, 1035, 990};
    const std::array<int, 3> runouts{990, 44, 1};
    for (int spot = 0; spot < 12; ++spot) {
        std::string used;
        const int street = spot % 3;
        json line{{"hole", randomCards(random, 2, used)},
                  {"board", randomCards(random, 3 + street, used)},
                  {"preflop", spot % 4}};
        const json plain = json::parse(answerBatchLine(line.dump(), "."));
        line["equity"] = true;
        const json answer = json::parse(answerBatchLine(line.dump(), "."));
        EXPECT_FALSE(plain.contains("equity"));
        EXPECT_EQ(answer["report"], plain["report"]);
        const json& versusRandom = answer["equity"]["random"];
        EXPECT_EQ(versusRandom["holdings"], holdings[street]) << line;
        EXPECT_EQ(versusRandom["runouts"], runouts[street]) << line;
        EXPECT_NEAR(versusRandom["equity"].get<double>(),
                    versusRandom["win"].get<double>() + versusRandom["tie"].get<double>() / 2, 1e-12);
        line["range"] = answer["equity"]["range"]["text"];
        const json typed = json::parse(answerBatchLine(line.dump(), "."));
        EXPECT_EQ(typed["equity"]["range"], answer["equity"]["range"]) << line;
    }
}

struct ProgramRun {
    int ExitCode = -1;
    std::string Output;
};

// Runs the program with a shell command line under the given locale; standard error is discarded unless
// redirected.
ProgramRun runProgram(const std::string& arguments, const std::string& locale = "C") {
    const std::string command = "LC_ALL=" + locale + " '" + TAVOLIN_REPORT_PROGRAM + "' " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    ProgramRun run;
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.Output.append(buffer.data(), read);
    const int status = pclose(pipe);
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(Program, PrintsTheReportItsJsonOrItsBatchAnswersAndExitsWithTwoOnErrors) {
    const std::string hand = "'Ad 7d' '3s 4c 5h' --pot 100 --villain-bet 50 --stack 500 --preflop nit";
    const std::string report = expectedReport("Ad 7d", "3s 4c 5h", "100", "50", "500", 0);
    EXPECT_EQ(runProgram(hand).Output, withNewlines(report));
    EXPECT_EQ(runProgram(hand + " --raw").Output, report);
    EXPECT_EQ(runProgram(hand + " --json").Output,
              answerBatchLine(R"({"hole":"Ad 7d","board":"3s 4c 5h","pot":100,"villainBet":50,"stack":500,)"
                              R"("preflop":0})",
                              ".") +
                  "\n");
    EXPECT_NE(runProgram(hand, "de_DE.UTF-8").Output.find("PME(AI): 45,5% PME(+1Card): 25,0%\nSPR: 5,00 ("),
              std::string::npos);
    const ProgramRun numericOnly = runProgram("--villain-count " + hand, "'' LC_NUMERIC=de_DE.UTF-8");
    EXPECT_NE(numericOnly.Output.find("=50,32%"), std::string::npos) << numericOnly.Output;

    const ProgramRun rejected = runProgram("'Ad 7d' 'Ad 4c 5h' --json 2>&1 >/dev/null");
    EXPECT_EQ(rejected.ExitCode, 2);
    EXPECT_EQ(rejected.Output, "tavolin-report: a hole card also lies on the board\n");
    EXPECT_EQ(runProgram("'ad 7d' '3s 4c 5h' 2>/dev/null").Output, "");
    EXPECT_EQ(runProgram("--bogus 2>/dev/null").ExitCode, 2);
    EXPECT_EQ(runProgram("--help").ExitCode, 0);
    const ProgramRun badRange = runProgram("'Kh Qh' 'Jh 7h 2c' --equity --range 'TT+, AQx' 2>&1 >/dev/null");
    EXPECT_EQ(badRange.ExitCode, 2);
    EXPECT_NE(badRange.Output.find("Entry 2 \"AQx\""), std::string::npos) << badRange.Output;

    // The figures for people are those for scripts, rounded, with the report's separator.
    const json figures = json::parse(runProgram(hand + " --equity --json").Output)["equity"]["random"];
    const auto share = [&](const char* key) {
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "%.2f%%", 100 * figures[key].get<double>());
        std::string shown = text.data();
        return shown.replace(shown.find('.'), 1, ",");
    };
    EXPECT_NE(runProgram(hand + " --equity", "de_DE.UTF-8")
                  .Output.find(")\n\nExact equity vs a random hand: " + share("equity") + " (win " +
                               share("win") + ", tie " + share("tie") + ")\n"),
              std::string::npos);

    std::string lines;
    std::string answers;
    for (int i = 0; i < 2000; ++i) {
        const std::string line = i % 3 == 0 ? "not json"
                                            : R"({"id":)" + std::to_string(i) +
                                                  R"(,"hole":"Kh Qh",)"
                                                  R"("board":"Jh 7h 2c 9s","pot":)" +
                                                  std::to_string(i) + "}";
        lines += line + "\n";
        answers += answerBatchLine(line, ".") + "\n";
    }
    const ProgramRun batch = runProgram("--batch <<'EOF'\n" + lines + "EOF\n");
    EXPECT_EQ(batch.ExitCode, 0);
    EXPECT_EQ(batch.Output, answers);
}

} // namespace
} // namespace tavolin::cli
