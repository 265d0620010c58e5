#include "ui/journal_link.h"

#include "practice/spot_record.h"
#include "journal/journal_path.h"

#include <chrono>

namespace tavolin {
namespace {

// The due spots dealt in one go; more wait for the next session.
constexpr int kMostReviewed = 200;

journal::Time unixNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string_view sourceName(practice::DealSource source) {
    switch (source) {
    case practice::DealSource::kDrill:
        return "drill";
    case practice::DealSource::kReview:
        return "review";
    case practice::DealSource::kDealt:
        break;
    }
    return "dealt";
}

// As the terminal practice and the export name the questions.
std::string questionWord(practice::QuestionKind kind) {
    switch (kind) {
    case practice::QuestionKind::kTier:
        return "tier";
    case practice::QuestionKind::kOuts:
        return "outs";
    case practice::QuestionKind::kEquity:
        return "equity";
    case practice::QuestionKind::kDecision:
        return "decision";
    case practice::QuestionKind::kStraightOuts:
        break;
    }
    return "straight outs";
}

} // namespace

JournalLink::JournalLink(const std::string& path) {
    const auto where = path.empty() ? journal::defaultJournalPath() : std::optional<std::string>(path);
    if (!where) {
        Problem = "There is no journal (HOME and XDG_DATA_HOME are unset).";
        return;
    }
    journal::OpenResult opened = journal::Journal::open(*where);
    if (!opened.Opened) {
        Problem = opened.Message;
        return;
    }
    Opened = std::move(opened.Opened);
}

JournalLink::~JournalLink() = default;

void JournalLink::fail(const std::string& why) {
    Problem = why.empty() ? std::string("The journal could not be written.") : why;
    // The journal's write errors are clauses; the status line goes on after them.
    if (Problem.back() != '.') Problem += '.';
    Opened.reset();
}

void JournalLink::recordAnswers(const practice::PracticeSession& session, double seconds) {
    if (!Opened || !session.revealed()) return;
    if (Session == 0) Session = Opened->startSession(unixNow(), "tavolin");
    if (Session == 0) return fail(Opened->lastError());
    const practice::Deal& deal = session.current();
    const std::int64_t spot = Opened->spotId(practice::spotRecord(
        deal.Cards, session.reading(), sourceName(deal.Source), session.equity().value_or(0)));
    if (spot == 0) return fail(Opened->lastError());
    const auto& verdicts = session.verdicts();
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        const practice::Verdict& verdict = verdicts[i];
        const journal::AnswerRecord answer{
            questionWord(verdict.Kind), verdict.Answer, verdict.Truth, verdict.Right,
            session.errors()[i],        seconds,        unixNow()};
        if (Opened->record(Session, spot, answer) == journal::Recorded::kFailed)
            return fail(Opened->lastError());
    }
}

int JournalLink::dueCount() {
    return Opened ? Opened->dueCount(unixNow()) : 0;
}

std::vector<practice::Spot> JournalLink::dueSpots() {
    std::vector<practice::Spot> spots;
    if (!Opened) return spots;
    for (const journal::DueSpot& due : Opened->dueSpots(unixNow(), kMostReviewed)) {
        if (const auto spot = practice::spotOfRecord(due.Spot)) spots.push_back(*spot);
    }
    return spots;
}

} // namespace tavolin
