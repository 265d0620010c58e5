#include "analysis/analyse_hand.h"
#include "cli/batch.h"
#include "cli/cli_options.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

namespace tavolin::cli {
namespace {

using nlohmann::json;

TEST(CommandLine, ReadsAHandWithItsOptions) {
    const CommandLine line =
        parseCommandLine({"Ad 7d", "3s 4c 5h", "--pot", "100", "--hero-bet", "5", "--villain-bet", "50",
                          "--stack", "500", "--preflop", "0", "--postflop", "2", "--villain-count", "--raw"});
    const auto* hand = std::get_if<HandRequest>(&line);
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(hand->Hole, "Ad 7d");
    EXPECT_EQ(hand->Board, "3s 4c 5h");
    EXPECT_EQ(hand->Pot, "100");
    EXPECT_EQ(hand->HeroBet, "5");
    EXPECT_EQ(hand->VillainBet, "50");
    EXPECT_EQ(hand->Stack, "500");
    EXPECT_EQ(hand->Preflop, 0);
    EXPECT_EQ(hand->Postflop, 2);
    EXPECT_TRUE(hand->VillainCount);
    EXPECT_TRUE(hand->Raw);
}

TEST(CommandLine, UsageErrorsSayWhatIsWrong) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "give the hole cards"},
        {{"Ad 7d"}, "give the hole cards"},
        {{"Ad", "7d", "3s 4c 5h"}, "too many arguments"},
        {{"Ad 7d", "3s 4c 5h", "--pot"}, "--pot needs a value"},
        {{"Ad 7d", "3s 4c 5h", "--preflop", "two"}, "whole number"},
        {{"Ad 7d", "3s 4c 5h", "--preflop", "1x"}, "whole number"},
        {{"Ad 7d", "3s 4c 5h", "--colour"}, "unknown option --colour"},
        {{"--batch", "Ad 7d"}, "standard input"},
    };
    for (const auto& [args, expected] : cases) {
        const CommandLine line = parseCommandLine(args);
        const auto* error = std::get_if<UsageError>(&line);
        ASSERT_NE(error, nullptr) << expected;
        EXPECT_NE(error->Message.find(expected), std::string::npos) << error->Message;
    }
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(parseCommandLine({"Ad 7d", "--help"})));
    EXPECT_TRUE(std::holds_alternative<BatchRequest>(parseCommandLine({"--batch"})));
}

TEST(CommandLine, NewlinesReplaceEveryLineEnd) {
    EXPECT_EQ(withNewlines("Outs: 8\r\nA\r\nB\r\r\nPER(AI): 0.0%"), "Outs: 8\nA\nB\nPER(AI): 0.0%");
}

std::string expectedReport(const std::string& hole, std::string board, const std::string& pot,
                           const std::string& villainBet, const std::string& stack, int preflop) {
    return analyseHand(hole, board, pot, "", villainBet, stack, preflop, 1, false);
}

TEST(Batch, AnswersEachLineWithTheReportOrAnError) {
    const std::string report = answerBatchLine(
        R"({"hole":"Ad 7d","board":"3s 4c 5h","pot":"100","villainBet":"50","stack":"500","preflop":0})",
        ".");
    EXPECT_EQ(json::parse(report).at("report"), expectedReport("Ad 7d", "3s 4c 5h", "100", "50", "500", 0));

    // Missing keys: empty texts, profile 1, no count.
    EXPECT_EQ(json::parse(answerBatchLine(R"({"hole":"Ad 7d","board":"3s 4c 5h"})", ".")).at("report"),
              expectedReport("Ad 7d", "3s 4c 5h", "", "", "", 1));
    EXPECT_EQ(answerBatchLine(R"({"hole":"Ad 7d","board":"3s 4c 5h"})"
                              "\r",
                              "."),
              answerBatchLine(R"({"hole":"Ad 7d","board":"3s 4c 5h"})", "."));

    const std::vector<std::pair<std::string, std::string>> errors{
        {"", "not valid JSON"},
        {"{\"hole\":", "not valid JSON"},
        {"[1,2]", "JSON object"},
        {"\"Ad 7d\"", "JSON object"},
        {R"({"hole":7})", "\"hole\" must be a string"},
        {R"({"preflop":"1"})", "\"preflop\" must be a whole number"},
        {R"({"preflop":1.5})", "\"preflop\" must be a whole number"},
        {R"({"preflop":99999999999})", "out of range"},
        {R"({"villainCount":1})", "true or false"},
        {R"({"herobet":"5"})", "unknown key \"herobet\""},
        {R"({"hole":"Ad Ad","board":"3s 4c 5h"})", "twice"},
        {R"({"hole":"Ad 7d","board":"3s 4c"})", "board"},
        {R"({})", "hole cards"},
    };
    for (const auto& [line, message] : errors) {
        const json answer = json::parse(answerBatchLine(line, "."));
        ASSERT_TRUE(answer.contains("error")) << line;
        EXPECT_NE(answer.at("error").get<std::string>().find(message), std::string::npos)
            << line << " -> " << answer.dump();
    }
}

TEST(Batch, InvalidBytesInALineGiveAnErrorNotACrash) {
    const json answer = json::parse(answerBatchLine("{\"hole\":\"\xff\xfe\"}", "."));
    EXPECT_TRUE(answer.contains("error"));
    const json bad =
        json::parse(answerBatchLine(std::string("{\"hole\":\"A\\u0000 7d\",\"board\":\"x\"}"), "."));
    EXPECT_TRUE(bad.contains("error"));
}

TEST(Batch, VeryLongLinesAreAnsweredLikeShortOnes) {
    const std::string megabyte(1 << 20, 'x');
    EXPECT_TRUE(json::parse(answerBatchLine(megabyte, ".")).contains("error"));
    const std::string longPot =
        R"({"hole":"Ad 7d","board":"3s 4c 5h","stack":"5","pot":")" + megabyte + "\"}";
    EXPECT_TRUE(json::parse(answerBatchLine(longPot, ".")).contains("report"));
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_TRUE(json::parse(answerBatchLine(deep, ".")).contains("error"));
}

TEST(Batch, RoundTripsOneHundredThousandLinesInOrder) {
    const std::array<std::string, 4> hands{
        R"({"hole":"Ad 7d","board":"3s 4c 5h","pot":"100","villainBet":"50","stack":"500","preflop":0})",
        R"({"hole":"Kh Qh","board":"Jh 7h 2c 9s"})",
        "not json",
        R"({"hole":"8h 8c","board":"8s Kd 3c 2d 2h","pot":"40","stack":"35"})",
    };
    std::array<std::string, 4> answers;
    for (std::size_t i = 0; i < hands.size(); ++i)
        answers[i] = answerBatchLine(hands[i], ".");

    std::stringstream in;
    const int lines = 100000;
    for (int i = 0; i < lines; ++i)
        in << hands[static_cast<std::size_t>(i) % hands.size()] << '\n';
    std::stringstream out;
    runBatch(in, out, ".");
    std::string line;
    int count = 0;
    while (std::getline(out, line)) {
        ASSERT_EQ(line, answers[static_cast<std::size_t>(count) % answers.size()]) << "line " << count;
        ++count;
    }
    EXPECT_EQ(count, lines);
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

TEST(Program, PrintsTheReportWithItsAmountsBlock) {
    const ProgramRun run =
        runProgram("'Ad 7d' '3s 4c 5h' --pot 100 --villain-bet 50 --stack 500 --preflop 0");
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Output, withNewlines(expectedReport("Ad 7d", "3s 4c 5h", "100", "50", "500", 0)));
    EXPECT_NE(run.Output.find("\nSPR: 5.00 ("), std::string::npos);
    EXPECT_EQ(run.Output.find('\r'), std::string::npos);

    const ProgramRun raw =
        runProgram("'Ad 7d' '3s 4c 5h' --pot 100 --villain-bet 50 --stack 500 --preflop 0 --raw");
    EXPECT_EQ(raw.Output, expectedReport("Ad 7d", "3s 4c 5h", "100", "50", "500", 0));
}

TEST(Program, NumbersFollowTheEnvironmentsDecimalSeparator) {
    const std::string hand = "'Ad 7d' '3s 4c 5h' --pot 100 --villain-bet 50 --stack 500 --preflop 0";
    const ProgramRun german = runProgram(hand, "de_DE.UTF-8");
    EXPECT_NE(german.Output.find("PME(AI): 45,5% PME(+1Card): 25,0%\nSPR: 5,00 ("), std::string::npos)
        << german.Output;
    const ProgramRun numericOnly = runProgram("--villain-count " + hand, "'' LC_NUMERIC=de_DE.UTF-8");
    EXPECT_NE(numericOnly.Output.find("SPR: 5,00 ("), std::string::npos) << numericOnly.Output;
    const auto countLine = numericOnly.Output.find("Better Villain Hands: ");
    ASSERT_NE(countLine, std::string::npos);
    EXPECT_NE(numericOnly.Output.find(',', countLine), std::string::npos) << numericOnly.Output;
    EXPECT_EQ(runProgram(hand).Output.find(','), std::string::npos);
}

TEST(Program, RejectedCardsExitWithTwoAndPrintNothing) {
    const ProgramRun run = runProgram("'Ad 7d' 'Ad 4c 5h' 2>&1 >/dev/null");
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_NE(run.Output.find("a hole card also lies on the board"), std::string::npos) << run.Output;
    EXPECT_EQ(runProgram("'ad 7d' '3s 4c 5h' 2>/dev/null").Output, "");
    EXPECT_EQ(runProgram("--bogus 2>/dev/null").ExitCode, 2);
    EXPECT_EQ(runProgram("--help").ExitCode, 0);
}

TEST(Program, BatchModeAnswersEveryLine) {
    const ProgramRun run = runProgram("--batch <<'EOF'\n{\"hole\":\"Ad 7d\",\"board\":\"3s 4c 5h\"}\nnot "
                                      "json\n{\"hole\":\"Ad Ad\"}\nEOF\n");
    EXPECT_EQ(run.ExitCode, 0);
    std::istringstream lines(run.Output);
    std::string line;
    std::vector<json> answers;
    while (std::getline(lines, line))
        answers.push_back(json::parse(line));
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_TRUE(answers[0].contains("report"));
    EXPECT_TRUE(answers[1].contains("error"));
    EXPECT_TRUE(answers[2].contains("error"));
}

} // namespace
} // namespace tavolin::cli
