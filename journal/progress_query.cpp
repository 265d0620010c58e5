#include "journal/journal.h"
#include "journal/statement.h"

namespace tavolin::journal {
int readAnsweredSpots(sqlite3* db, std::vector<AnsweredSpot>& into) {
    Statement query(db, "SELECT a.question, a.session, a.time, a.right, a.answer, a.truth, s.street, "
                        "s.board_kind, s.tier, s.closeness, s.equity FROM answers a "
                        "JOIN spots s ON s.id = a.spot ORDER BY a.time, a.id");
    int code = SQLITE_OK;
    while ((code = query.step()) == SQLITE_ROW) {
        into.push_back({query.text(0), query.integer(1), query.integer(2), query.integer(3) != 0,
                        query.text(4), query.text(5), query.text(6), query.text(7), query.text(8),
                        query.text(9), query.optionalReal(10)});
    }
    return code;
}

namespace {

int readReview(sqlite3* db, Time now, ReviewSummary& into) {
    Statement query(db, "SELECT box, due FROM reviews");
    const Time dayEnd = (now / kDay + 1) * kDay;
    int code = SQLITE_OK;
    while ((code = query.step()) == SQLITE_ROW) {
        const auto box = query.integer(0);
        const Time due = query.integer(1);
        ++into.Queued;
        into.DueNow += due <= now ? 1 : 0;
        into.DueToday += due < dayEnd ? 1 : 0;
        into.DueThisWeek += due < now + 7 * kDay ? 1 : 0;
        if (box >= 1 && box <= static_cast<std::int64_t>(into.ByBox.size()))
            ++into.ByBox[static_cast<std::size_t>(box - 1)];
    }
    return code;
}

} // namespace

std::optional<Progress> Journal::progress(Time now) {
    // One read transaction, so that the charts and the queue count the same answers.
    if (!succeeded(execute(Db, "BEGIN"))) return std::nullopt;
    std::vector<AnsweredSpot> answers;
    Progress result;
    int code = readAnsweredSpots(Db, answers);
    if (code == SQLITE_DONE) code = readReview(Db, now, result.Review);
    execute(Db, "COMMIT");
    if (!succeeded(code)) return std::nullopt;
    result.Answers = static_cast<int>(answers.size());
    result.Accuracy = accuracySeries(answers);
    result.Estimates = estimateSummary(answers);
    result.Leaks = leakRows(answers);
    return result;
}

} // namespace tavolin::journal
