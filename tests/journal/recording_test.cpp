#include "journal/time_text.h"
#include "tests/journal/journal_test_support.h"

#include <csignal>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace tavolin::journal {
namespace {

constexpr Time kStart = 1'800'000'000;

TEST(ReviewSchedule, BoxesWaitOneThreeSevenTwentyOneAndSixtyDays) {
    ReviewState state = afterMiss(kStart);
    EXPECT_EQ(state, (ReviewState{1, kStart}));
    const std::vector<int> waits{1, 3, 7, 21, 60, 60};
    Time now = kStart;
    for (std::size_t i = 0; i < waits.size(); ++i) {
        state = afterRightReview(state, now);
        EXPECT_EQ(state.Box, std::min<int>(static_cast<int>(i) + 2, 5));
        EXPECT_EQ(state.Due - now, waits[i] * kDay);
        now = state.Due + 17;
    }
    EXPECT_EQ(afterMiss(now), (ReviewState{1, now}));
}

TEST(ReviewSchedule, TheJournalMovesASpotOnlyForARightAnswerWhenDue) {
    TempFolder folder;
    const auto journal = openOrFail(folder.file("j"));
    const auto spot = journal->spotId(sampleSpot(100));
    const auto first = journal->startSession(kStart, "test");
    journal->record(first, spot, sampleAnswer("tier", true, kStart));
    EXPECT_EQ(journal->queuedCount(), 0); // right outside review: nothing to queue
    journal->record(first, spot, sampleAnswer("outs", false, kStart));
    journal->record(first, spot, sampleAnswer("equity", true, kStart + 5)); // same session as the miss
    EXPECT_EQ(journal->reviewState(spot), (ReviewState{1, kStart}));
    EXPECT_EQ(journal->dueSpots(kStart, 10).at(0).Spot.Board, "Qh 7h 2c");

    const auto review = journal->startSession(kStart + 60, "test");
    journal->record(review, spot, sampleAnswer("tier", true, kStart + 60));
    journal->record(review, spot, sampleAnswer("outs", true, kStart + 61)); // not due any more
    EXPECT_EQ(journal->reviewState(spot), (ReviewState{2, kStart + 60 + kDay}));
    EXPECT_EQ(journal->dueCount(kStart + 60 + kDay - 1), 0);
    EXPECT_EQ(journal->dueCount(kStart + 60 + kDay), 1);
    const auto early = journal->startSession(kStart + 120, "test");
    journal->record(early, spot, sampleAnswer("tier", true, kStart + 120));
    EXPECT_EQ(journal->reviewState(spot), (ReviewState{2, kStart + 60 + kDay}));
    journal->record(early, spot, sampleAnswer("outs", false, kStart + 130));
    EXPECT_EQ(journal->reviewState(spot), (ReviewState{1, kStart + 130}));
}

TEST(Recording, AnAnswerIsKeptOnceWhateverIsRepeated) {
    TempFolder folder;
    const auto journal = openOrFail(folder.file("j"));
    const auto other = openOrFail(folder.file("j")); // a second program on the same file
    const auto session = journal->startSession(kStart, "test");
    const auto spot = journal->spotId(sampleSpot(100));
    EXPECT_EQ(other->spotId(sampleSpot(100)), spot);
    EXPECT_NE(other->spotId(sampleSpot(101)), spot);
    EXPECT_EQ(journal->record(session, spot, sampleAnswer("outs", false, kStart)), Recorded::kNew);
    EXPECT_EQ(other->record(session, spot, sampleAnswer("outs", true, kStart + 9)), Recorded::kAlreadyThere);
    EXPECT_EQ(journal->record(session, spot, sampleAnswer("outs", false, kStart)), Recorded::kAlreadyThere);
    EXPECT_EQ(journal->record(session, spot, sampleAnswer("tier", true, kStart)), Recorded::kNew);
    EXPECT_EQ(journal->record(session + 5, spot, sampleAnswer("tier", true, kStart)), Recorded::kFailed);
    EXPECT_NE(journal->lastError().find("cannot save"), std::string::npos);
    const auto stats = nlohmann::json::parse(other->stats(kStart).value());
    EXPECT_EQ(stats["answers"], 2);
    EXPECT_EQ(stats["right"], 1);
    EXPECT_EQ(stats["review"], nlohmann::json::parse(R"({"queued":1,"due":1})"));
}

// Every answer the child announced after recording it is there after SIGKILL, in a sound file.
TEST(Recording, KillingTheProgramLosesNoAnswerAlreadyShown) {
    TempFolder folder;
    const std::string path = folder.file("j");
    std::mt19937 random(7);
    int count = 0;
    for (int round = 0; round < 6; ++round) {
        int announced[2];
        ASSERT_EQ(pipe(announced), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(announced[0]);
            OpenResult opened = Journal::open(path);
            if (!opened.Opened) _exit(3);
            const auto session = opened.Opened->startSession(kStart, "child");
            for (int pot = 1;; ++pot) {
                const auto spot = opened.Opened->spotId(sampleSpot(pot));
                if (opened.Opened->record(session, spot, sampleAnswer("outs", false, kStart + pot)) !=
                    Recorded::kNew)
                    _exit(4);
                const std::string line = std::to_string(session) + " " + std::to_string(pot) + "\n";
                if (write(announced[1], line.data(), line.size()) < 0) _exit(5);
            }
        }
        close(announced[1]);
        // Once the child has shown its first answer, kill it at a random moment.
        std::string shown;
        char buffer[4096];
        ssize_t got = read(announced[0], buffer, sizeof buffer);
        if (got > 0) shown.append(buffer, static_cast<std::size_t>(got));
        usleep(std::uniform_int_distribution<useconds_t>(0, 100'000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << WEXITSTATUS(status);
        while ((got = read(announced[0], buffer, sizeof buffer)) > 0)
            shown.append(buffer, static_cast<std::size_t>(got));
        close(announced[0]);

        const auto journal = openOrFail(path); // passes quick_check
        std::ostringstream lines;
        ASSERT_TRUE(journal->exportAnswers(lines));
        std::set<std::pair<int, int>> kept;
        std::istringstream exported(lines.str());
        for (std::string line; std::getline(exported, line);) {
            const auto answer = nlohmann::json::parse(line);
            kept.insert({answer["session"].get<int>(), answer["spot"]["pot"].get<int>()});
        }
        std::istringstream announcedLines(shown);
        for (int session = 0, pot = 0; announcedLines >> session >> pot; ++count)
            EXPECT_TRUE(kept.contains({session, pot})) << "round " << round << ", answer " << pot;
    }
    EXPECT_GE(count, 6);
}

// Two independent counts of the same answers: the stats' groups and a tally of the exported lines.
TEST(Recording, StatsAgreeWithTheExportAndSinceCutsByTime) {
    TempFolder folder;
    const auto journal = openOrFail(folder.file("j"));
    std::mt19937 random(11);
    const std::vector<std::string> questions{"tier", "outs", "equity", "decision"},
        streets{"flop", "turn", "river"};
    for (int session = 0; session < 4; ++session) {
        const auto id = journal->startSession(kStart + session * kDay, "test");
        for (int spot = 0; spot < 15; ++spot) {
            SpotRecord record = sampleSpot(static_cast<int>(random() % 30) + 1);
            record.Street = streets[random() % 3];
            const auto spotId = journal->spotId(record);
            for (const std::string& question : questions) {
                journal->record(id, spotId,
                                sampleAnswer(question, random() % 3 != 0, kStart + session * kDay + spot));
            }
        }
    }
    std::ostringstream lines;
    ASSERT_TRUE(journal->exportAnswers(lines));
    nlohmann::json tally;
    std::istringstream exported(lines.str());
    int total = 0, right = 0, fromDayTwo = 0;
    for (std::string line; std::getline(exported, line); ++total) {
        const auto answer = nlohmann::json::parse(line);
        const int isRight = answer["right"].get<bool>() ? 1 : 0;
        right += isRight;
        for (const auto& [group, key] :
             {std::pair{"question", answer["question"]}, {"street", answer["spot"]["street"]}}) {
            auto& counts = tally[group][key.get<std::string>()];
            counts["answers"] = counts.contains("answers") ? counts["answers"].get<int>() + 1 : 1;
            counts["right"] = (counts.contains("right") ? counts["right"].get<int>() : 0) + isRight;
        }
        fromDayTwo += answer["time"].get<std::string>() >= isoTime(kStart + 2 * kDay) ? 1 : 0;
    }
    const auto stats = nlohmann::json::parse(journal->stats(kStart).value());
    EXPECT_EQ(stats["answers"], total);
    EXPECT_EQ(stats["right"], right);
    EXPECT_EQ(stats["question"], tally["question"]);
    EXPECT_EQ(stats["street"], tally["street"]);

    std::ostringstream later;
    ASSERT_TRUE(journal->exportAnswers(later, kStart + 2 * kDay));
    EXPECT_EQ(lineCount(later.str()), fromDayTwo);
    EXPECT_GT(fromDayTwo, 0);
    EXPECT_EQ(isoTime(*readDay("2027-01-15")), "2027-01-15T00:00:00Z");
    EXPECT_EQ(readDay("2027-02-30"), std::nullopt);
}

} // namespace
} // namespace tavolin::journal
