#include "cli/terminal_practice.h"

#include "analysis/number_format.h"
#include "cli/answer_text.h"
#include "cli/betting_answer.h"
#include "practice/answer_error.h"
#include "practice/practice_session.h"
#include "practice/session_score.h"
#include "practice/spot_record.h"
#include "practice/spot_truth.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <istream>
#include <ostream>
#include <random>

namespace tavolin::cli {
namespace {

using practice::QuestionKind;

constexpr int kMostReviewed = 1000;

struct Question {
    QuestionKind Kind;
    std::string_view Word; // as the journal and --questions name it
    std::string_view Ask;
    std::string_view AskFacingBets; // when the spot is judged against the range that bets; empty: Ask
    std::string_view Takes;
};

constexpr std::array kQuestions{
    Question{QuestionKind::kTier, "tier",
             "Strength? (n w m s v u: nothing, weak, medium, strong, very strong, nuts)", "",
             "n, w, m, s, v or u, or the tier's name"},
    Question{QuestionKind::kOuts, "outs", "Outs? (a number)", "", "a number, such as 8"},
    Question{QuestionKind::kEquity, "equity", "Equity against the villain's range, in percent?",
             "Equity against the range that bets, in percent?", "a number of percent, such as 37.5"},
    Question{QuestionKind::kDecision, "decision", "Call or fold? (c or f)", "", "c, call, f or fold"},
};

const Question& questionOf(QuestionKind kind) {
    for (const Question& question : kQuestions) {
        if (question.Kind == kind) return question;
    }
    return kQuestions[0];
}

journal::Time unixNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The answer to one question as typed; nullopt when it cannot be read.
std::optional<practice::Answers> readAnswer(QuestionKind kind, std::string_view line) {
    practice::Answers answers;
    switch (kind) {
    case QuestionKind::kTier:
        answers.Strength = readTierAnswer(line);
        return answers.Strength ? std::optional(answers) : std::nullopt;
    case QuestionKind::kOuts:
        answers.Outs = readNumberAnswer(line, false);
        return answers.Outs ? std::optional(answers) : std::nullopt;
    case QuestionKind::kEquity:
        answers.EquityPercent = readNumberAnswer(line, true);
        return answers.EquityPercent ? std::optional(answers) : std::nullopt;
    case QuestionKind::kDecision:
        answers.Call = readDecisionAnswer(line);
        return answers.Call ? std::optional(answers) : std::nullopt;
    case QuestionKind::kStraightOuts:
        break;
    }
    return std::nullopt;
}

struct Checked {
    practice::Verdict Verdict;
    std::optional<double> Error;
};

// One spot being asked, judged against the same truth as the window's practice: the range that bets, by the
// default betting model, which is the whole range without a bet.
class SpotQuestions {
public:
    SpotQuestions(const practice::Spot& spot, bool withTrueOuts)
        : Dealt{spot}, Reading(practice::readSpot(spot)),
          Truth(practice::spotTruth(spot, ranges::profileRange(spot.PreflopProfile),
                                    ranges::profileName(spot.PreflopProfile), equity::BettingModel{},
                                    withTrueOuts)) {}

    const practice::SpotReading& reading() const { return Reading; }
    const practice::SpotTruth& truth() const { return Truth; }

    std::optional<Checked> check(QuestionKind kind, std::string_view line) const {
        const std::optional<practice::Answers> answers = readAnswer(kind, line);
        if (!answers) return std::nullopt;
        return Checked{practice::judge(kind, *answers, Reading, Dealt.Cards, Truth),
                       practice::answerError(kind, *answers, Reading, Dealt, Truth.Equity)};
    }

private:
    practice::Deal Dealt;
    practice::SpotReading Reading;
    practice::SpotTruth Truth;
};

void printVerdict(std::ostream& out, const practice::Verdict& verdict) {
    out << (verdict.Right ? "right: " : "wrong: ");
    if (!verdict.Right) out << "you said " << verdict.Answer << ", it is ";
    out << verdict.Truth << '\n';
    std::string_view text = verdict.Explanation;
    while (!text.empty()) {
        const auto end = text.find('\n');
        out << "  " << text.substr(0, end) << '\n';
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

// Writes to the journal until a write fails; then says so once and goes on without it.
class Recorder {
public:
    Recorder(journal::Journal* journal, std::ostream& err) : Journal(journal), Err(err) {
        if (Journal != nullptr) Session = Journal->startSession(unixNow(), "tavolin-report");
        if (Journal != nullptr && Session == 0) fail();
    }

    bool saving() const { return Journal != nullptr; }
    int saved() const { return Saved; }

    void startSpot(const practice::Spot& spot, const SpotQuestions& questions, std::string_view source) {
        SpotId = 0;
        if (Journal != nullptr)
            SpotId = Journal->spotId(
                practice::spotRecord(spot, questions.reading(), source, questions.truth().Equity));
        if (Journal != nullptr && SpotId == 0) fail();
    }

    void record(std::string_view question, const Checked& checked, double seconds) {
        if (Journal == nullptr) return;
        const journal::AnswerRecord answer{std::string(question),
                                           checked.Verdict.Answer,
                                           checked.Verdict.Truth,
                                           checked.Verdict.Right,
                                           checked.Error,
                                           seconds,
                                           unixNow()};
        const journal::Recorded result = Journal->record(Session, SpotId, answer);
        if (result == journal::Recorded::kFailed) fail();
        if (result == journal::Recorded::kNew) ++Saved;
    }

private:
    void fail() {
        Err << "tavolin-report: " << Journal->lastError() << "; the rest of this session is not saved.\n";
        Journal = nullptr;
    }

    journal::Journal* Journal;
    std::ostream& Err;
    std::int64_t Session = 0;
    std::int64_t SpotId = 0;
    int Saved = 0;
};

std::deque<practice::Spot> dueSpots(journal::Journal* journal) {
    std::deque<practice::Spot> spots;
    if (journal == nullptr) return spots;
    for (const journal::DueSpot& due : journal->dueSpots(unixNow(), kMostReviewed)) {
        if (const auto spot = practice::spotOfRecord(due.Spot)) spots.push_back(*spot);
    }
    return spots;
}

} // namespace

void runTerminalPractice(const PracticeRequest& request, std::istream& in, std::ostream& out,
                         std::ostream& err, journal::Journal* journal) {
    practice::SpotDealer dealer(request.Seed.value_or(std::random_device{}()), request.Filter);
    std::deque<practice::Spot> review;
    if (request.Review) {
        review = dueSpots(journal);
        out << review.size() << (review.size() == 1 ? " spot" : " spots") << " due for review.\n";
    }
    Recorder recorder(journal, err);
    if (!recorder.saving()) out << "This session is not saved.\n";
    out << "Answer each question on its line; q or the end of input ends the session.\n";
    practice::SessionScore score;
    const bool asksOuts =
        std::ranges::find(request.Questions, QuestionKind::kOuts) != request.Questions.end();
    bool ended = false;
    for (int number = 1; !ended && (!request.Count || number <= *request.Count); ++number) {
        const bool reviewing = !review.empty();
        const practice::Spot spot = reviewing ? review.front() : dealer.next();
        if (reviewing) review.pop_front();
        const SpotQuestions questions(spot, asksOuts);
        const equity::BettingRange& betting = questions.truth().Betting;
        out << "\nSpot " << number << (reviewing ? " (review)" : "") << ": " << practice::describeSpot(spot)
            << "\nVillain's range (" << ranges::profileName(spot.PreflopProfile) << ", top "
            << ranges::profileTopPercent(spot.PreflopProfile)
            << "%): " << ranges::rangeText(ranges::profileRange(spot.PreflopProfile)) << '\n';
        if (betting.Narrowed)
            out << "Range that bets here (" << formatFixed(betting.Holdings, 1, ".") << " holdings: value "
                << formatFixed(betting.Value, 1, ".") << ", draws " << formatFixed(betting.Draws, 1, ".")
                << ", bluffs " << formatFixed(betting.Bluffs, 1, ".") << "): " << bettingRangeText(betting)
                << '\n';
        recorder.startSpot(spot, questions, reviewing ? "review" : "dealt");
        for (const QuestionKind kind : request.Questions) {
            const Question& question = questionOf(kind);
            const auto asked = std::chrono::steady_clock::now();
            const bool facingBets = betting.Narrowed && !question.AskFacingBets.empty();
            out << (facingBets ? question.AskFacingBets : question.Ask) << '\n' << std::flush;
            std::optional<Checked> checked;
            std::string line;
            while (!checked && std::getline(in, line)) {
                if (line == "q" || line == "quit") break;
                checked = questions.check(kind, line);
                if (!checked)
                    out << "Cannot read \"" << line << "\": answer " << question.Takes << ".\n" << std::flush;
            }
            if (!checked) {
                ended = true;
                break;
            }
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - asked;
            printVerdict(out, checked->Verdict);
            score.record(checked->Verdict);
            recorder.record(question.Word, *checked, took.count());
        }
    }
    out << "\nScore: " << score.summary() << '\n';
    if (journal != nullptr)
        out << recorder.saved() << (recorder.saved() == 1 ? " answer" : " answers") << " saved in "
            << journal->path() << ".\n";
    else
        out << "Nothing was saved.\n";
    out << std::flush;
}

} // namespace tavolin::cli
