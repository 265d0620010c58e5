#include "cli/answer_text.h"
#include "cli/cli_options.h"
#include "cli/journal_commands.h"
#include "practice/practice_session.h"
#include "tests/journal/journal_test_support.h"

#include <nlohmann/json.hpp>
#include <regex>

namespace tavolin::cli {
namespace {

struct Session {
    int Code = 0;
    std::string Out;
    std::string Err;
};

Session practise(const std::vector<std::string>& args, const std::string& answers) {
    const CommandLine line = parseCommandLine(args);
    const auto* request = std::get_if<PracticeRequest>(&line);
    if (request == nullptr) return {-1, "", "not a practice request"};
    std::istringstream in(answers);
    std::ostringstream out, err;
    const int code = runPracticeCommand(*request, in, out, err);
    return {code, out.str(), err.str()};
}

long countOf(const std::string& text, const std::string& pattern) {
    const std::regex expression(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), expression), std::sregex_iterator());
}

std::vector<std::string> spotLines(const std::string& text) {
    std::vector<std::string> spots;
    const std::regex spot("Spot \\d+(?: \\(review\\))?: ([^\n]*)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), spot); it != std::sregex_iterator(); ++it)
        spots.push_back((*it)[1]);
    return spots;
}

TEST(TerminalPractice, EveryJudgedAnswerIsRecordedAndMissedSpotsComeBackFirst) {
    journal::TempFolder folder;
    const std::string path = folder.file("j.sqlite3");
    // Readable and unreadable answers; the input ends in the middle of the third spot.
    const Session first = practise({"--practice", "--seed", "5", "--journal", path},
                                   "s\n8\nabout forty\n40%\nc\nVery Strong\n-1\n55,5\nfold\nmaybe\nn\n");
    EXPECT_EQ(first.Code, 0);
    EXPECT_EQ(first.Err, "");
    EXPECT_EQ(countOf(first.Out, "\nCannot read"), 2);
    const long judged = countOf(first.Out, "\n(right|wrong): ");
    EXPECT_EQ(judged, 9);
    EXPECT_NE(first.Out.find("\nScore: "), std::string::npos);
    EXPECT_NE(first.Out.find("9 answers saved in " + path), std::string::npos);

    std::ostringstream stats, none;
    ASSERT_EQ(runJournalStats({path}, stats, none), 0);
    const auto figures = nlohmann::json::parse(stats.str());
    EXPECT_EQ(figures["answers"], judged);
    EXPECT_EQ(figures["right"], countOf(first.Out, "\nright: "));
    const int queued = figures["review"]["queued"];
    EXPECT_GT(queued, 0);

    const Session review =
        practise({"--practice", "--review", "--count", "4", "--questions", "outs", "--journal", path},
                 "-1\n-1\n-1\n-1\n");
    EXPECT_EQ(countOf(review.Out, "\\(review\\): "), std::min(queued, 4));
    const std::vector<std::string> before = spotLines(first.Out), again = spotLines(review.Out);
    ASSERT_GE(again.size(), static_cast<std::size_t>(std::min(queued, 4)));
    for (int i = 0; i < std::min(queued, 4); ++i)
        EXPECT_NE(std::find(before.begin(), before.end(), again[static_cast<std::size_t>(i)]), before.end());
}

// The verdicts of a session as the terminal prints them, and as it printed them.
std::string printed(const practice::Verdict& v) {
    return (v.Right ? "right: " : "wrong: you said " + v.Answer + ", it is ") + v.Truth + "\n  " +
           std::regex_replace(v.Explanation, std::regex("\n"), "\n  ") + "\n";
}

std::string verdictsIn(const std::string& out) {
    const std::regex verdict("(right|wrong): .*\n(  .*\n)*");
    std::string all;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), verdict); it != std::sregex_iterator(); ++it)
        all += it->str();
    return all;
}

// Two front ends, one truth: the terminal's verdicts on its dealt spots are, word for word, the window's
// practice session's on the same spots and answers (both judge against the range that bets), and the journal
// keeps the equity the session judged by.
TEST(TerminalPractice, JudgesEverySpotAsThePracticeSessionDoes) {
    journal::TempFolder folder;
    const std::string path = folder.file("j.sqlite3");
    const std::vector<std::string> typed{"m", "4", "40", "c", "w", "0", "25", "f", "s", "9", "55", "c"};
    std::string input;
    for (const std::string& answer : typed)
        input += answer + "\n";
    const Session run = practise({"--practice", "--seed", "7", "--count", "3", "--journal", path}, input);
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(countOf(run.Out, "\nRange that bets here \\([0-9.]+ holdings: value .*\\): "), 3);
    EXPECT_EQ(countOf(run.Out, "\nEquity against the range that bets, in percent\\?"), 3);

    practice::SessionSettings settings;
    settings.Seed = 7;
    practice::PracticeSession session(settings);
    std::string expected;
    std::vector<double> equities;
    for (std::size_t at = 0; at < typed.size(); at += 4) {
        session.deal();
        for (const practice::Verdict& verdict :
             session.reveal({readTierAnswer(typed[at]), readNumberAnswer(typed[at + 1], false),
                             readNumberAnswer(typed[at + 2], true), readDecisionAnswer(typed[at + 3])}))
            expected += printed(verdict);
        EXPECT_NE(session.against().find("that bet"), std::string::npos) << session.against();
        equities.push_back(*session.equity());
    }
    EXPECT_EQ(verdictsIn(run.Out), expected);

    std::ostringstream exported, err;
    ASSERT_EQ(runJournalExport({0, path}, exported, err), 0);
    std::istringstream lines(exported.str());
    std::size_t answers = 0;
    for (std::string line; std::getline(lines, line); ++answers)
        EXPECT_NEAR(nlohmann::json::parse(line)["spot"]["equity"].get<double>(), equities[answers / 4], 1e-9);
    EXPECT_EQ(answers, typed.size());
}

TEST(TerminalPractice, WithoutAJournalPracticeGoesOnAndSaysSo) {
    journal::TempFolder folder;
    const std::string path = folder.file("notes.txt");
    std::ofstream(path) << "my notes";
    const Session run =
        practise({"--practice", "--count", "1", "--questions", "decision", "--journal", path}, "c\n");
    EXPECT_NE(run.Err.find(path + " is not a Tavolin journal"), std::string::npos) << run.Err;
    EXPECT_NE(run.Out.find("This session is not saved."), std::string::npos);
    EXPECT_EQ(countOf(run.Out, "\n(right|wrong): "), 1);
    EXPECT_NE(run.Out.find("Nothing was saved."), std::string::npos);
    EXPECT_EQ(journal::bytesOf(path), "my notes");
    std::ostringstream out, err;
    EXPECT_EQ(runJournalExport({0, path}, out, err), 2);
    EXPECT_NE(err.str().find("is not a Tavolin journal"), std::string::npos);
}

TEST(TerminalPractice, ReadsAnswersAndOptionsAsTyped) {
    EXPECT_EQ(readTierAnswer(" very Strong\r"), practice::Tier::kVeryStrong);
    EXPECT_EQ(readNumberAnswer("37,5%", true), 37.5);
    EXPECT_EQ(readNumberAnswer("37.5%", false), std::nullopt);
    const std::vector<std::pair<std::string, std::string>> errors{
        {"--practice;--questions;tier,tier", "option --questions takes a list"},
        {"--practice;--count;0", "option --count takes a number of spots from 1"},
        {"--journal-export;--since;2026-13-01", "option --since takes a day as YYYY-MM-DD"},
        {"--journal-stats;--since;2026-01-01", "--since goes with --journal-export only"},
        {"--practice;--journal-stats", "--practice, --journal-export and --journal-stats go one at a time"},
        {"--practice;--pot;100", "--pot does not go with the journal's commands"},
        {"--review", "--review goes with --practice only"},
        {"Ad 7d;3s 4c 5h;--journal;j", "--journal goes with --practice"},
        {"--journal-stats;--street;flop", "--street goes with --practice or --deal only"}};
    for (const auto& [joined, message] : errors) {
        std::vector<std::string> args;
        std::istringstream in(joined);
        for (std::string arg; std::getline(in, arg, ';');)
            args.push_back(arg);
        const CommandLine parsed = parseCommandLine(args);
        const auto* error = std::get_if<UsageError>(&parsed);
        ASSERT_NE(error, nullptr) << joined;
        EXPECT_TRUE(error->Message.starts_with(message)) << joined << " -> " << error->Message;
    }
    EXPECT_EQ(std::get<PracticeRequest>(parseCommandLine({"--practice", "--close"})).Filter.CloseBet,
              practice::Closeness::kWithin5);
}

} // namespace
} // namespace tavolin::cli
