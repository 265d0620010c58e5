#include "journal/progress.h"
#include "tests/journal/journal_test_support.h"

namespace tavolin::journal {
namespace {

constexpr Time kMonday = 1796601600; // 2026-12-07 00:00 UTC

struct Kind {
    std::string Street, Board, Tier, Closeness;
};

// Records `count` answers to `question`, each on a spot of its own of that kind, the first `right` of them
// right; an equity answer says the exact equity plus `offset` points.
void answer(Journal& journal, std::int64_t session, const Kind& kind, std::string question, int count,
            int right, double offset = 0) {
    static int pot = 0;
    for (int i = 0; i < count; ++i) {
        SpotRecord spot = sampleSpot(++pot);
        std::tie(spot.Street, spot.BoardKind, spot.Tier, spot.Closeness) =
            std::tie(kind.Street, kind.Board, kind.Tier, kind.Closeness);
        spot.Equity = 0.40;
        const std::string said = std::to_string(40 + offset) + "%";
        const AnswerRecord record{question, said, "40.0%", i < right, std::abs(offset), 3, kMonday + 60 * i};
        ASSERT_EQ(journal.record(session, journal.spotId(spot), record), Recorded::kNew);
    }
}

TEST(Progress, LeaksAreTheKindsMissedBeyondTheUsualRateWithEnoughAnswers) {
    TempFolder folder;
    const auto journal = openOrFail(folder.file("j"));
    const std::int64_t session = journal->startSession(kMonday, "test");
    const Kind riverFlush{"river", "flush", "WEAK", "within 5"};
    const Kind flopDry{"flop", "dry", "STRONG", "call by 15+"};
    answer(*journal, session, riverFlush, "tier", 10, 3);
    answer(*journal, session, flopDry, "tier", 12, 11);
    answer(*journal, session, {"turn", "paired", "NUTS", "fold by 15+"}, "tier", kLeakMinimumAnswers - 1, 0);
    answer(*journal, session, {"turn", "paired", "", ""}, "tier", 20, 0); // recorded before kinds were kept

    const auto progress = journal->progress(kMonday + kDay / 2);
    ASSERT_TRUE(progress);
    ASSERT_EQ(progress->Leaks.size(), 2u);
    const LeakRow& worst = progress->Leaks[0];
    EXPECT_EQ(std::tie(worst.Street, worst.BoardKind, worst.Tier, worst.Closeness),
              std::tie(riverFlush.Street, riverFlush.Board, riverFlush.Tier, riverFlush.Closeness));
    EXPECT_EQ(worst.Answers, 10);
    EXPECT_EQ(worst.Right, 3);
    EXPECT_FALSE(worst.MeanError);
    EXPECT_EQ(progress->Leaks[1].Tier, "STRONG");
    // The usual miss rate is 37 of 51: the worst kind misses 7 where 10 * 37 / 51 were expected.
    EXPECT_NEAR(worst.ExcessMisses, 7 - 10 * 37.0 / 51, 1e-9);

    const auto stats = journal->stats(kMonday);
    ASSERT_TRUE(stats);
    EXPECT_NE(stats->find(R"("leaks":[{"street":"river","boardKind":"flush","tier":"WEAK","closeness":)"
                          R"("within 5","answers":10,"right":3,"meanError":null},{"street":"flop")"),
              std::string::npos)
        << *stats;
}

TEST(Progress, TheBiasSentenceNamesTheGroupGuessedFurthestOff) {
    TempFolder folder;
    const auto journal = openOrFail(folder.file("j"));
    const std::int64_t session = journal->startSession(kMonday, "test");
    answer(*journal, session, {"flop", "coordinated", "NOTHING", "within 5"}, "equity", 6, 0, 6);
    answer(*journal, session, {"turn", "dry", "STRONG", "call by 15+"}, "equity", 6, 6, -2);
    answer(*journal, session, {"turn", "dry", "MEDIUM", "call by 15+"}, "equity", kBiasMinimumAnswers - 1, 0,
           20);

    const auto progress = journal->progress(kMonday);
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->Estimates.Estimates.size(), 16u);
    EXPECT_EQ(progress->Estimates.Sentence, "Your equity estimates are 8.0 points off on average. You guess "
                                            "unmade hands (draws and air) 6 points too high.");
    EXPECT_EQ(progress->Accuracy.Periods, std::vector<std::string>{"session 1"});
}

TEST(Progress, AccuracyGoesByDayOnceTheAnswersSpanEnoughDays) {
    TempFolder folder;
    const auto journal = openOrFail(folder.file("j"));
    for (int day = 0; day < kDaysForDailyAccuracy; ++day) {
        const std::int64_t session = journal->startSession(kMonday + day * kDay, "test");
        journal->record(session, journal->spotId(sampleSpot(day)),
                        sampleAnswer("outs", day > 0, kMonday + day * kDay));
    }
    const auto progress = journal->progress(kMonday + 10 * kDay);
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->Accuracy.Periods,
              (std::vector<std::string>{"2026-12-07", "2026-12-08", "2026-12-09"}));
    ASSERT_EQ(progress->Accuracy.Questions.size(), 1u);
    EXPECT_EQ(progress->Accuracy.Questions[0].second[0].Right, 0);
    EXPECT_EQ(progress->Accuracy.Questions[0].second[2].Right, 1);
    EXPECT_EQ(progress->Review.Queued, 1);
    EXPECT_EQ(progress->Review.ByBox[0], 1);
}

} // namespace
} // namespace tavolin::journal
