#include "journal/journal.h"
#include "journal/statement.h"

namespace tavolin::journal {

std::vector<DueSpot> Journal::dueSpots(Time now, int limit) {
    Statement query(
        Db, "SELECT s.id, s.hole, s.board, s.pot, s.hero_bet, s.villain_bet, s.stack, s.range_name, "
            "s.range_text, s.street, s.board_kind, s.source, s.tier, s.closeness, s.equity, r.box, r.due "
            "FROM reviews r "
            "JOIN spots s ON s.id = r.spot WHERE r.due <= ? ORDER BY r.due, r.spot LIMIT ?");
    query.bind(1, now).bind(2, std::int64_t{limit});
    std::vector<DueSpot> due;
    int code = SQLITE_OK;
    while ((code = query.step()) == SQLITE_ROW) {
        due.push_back({query.integer(0),
                       {query.text(1), query.text(2), query.real(3), query.real(4), query.real(5),
                        query.real(6), query.text(7), query.text(8), query.text(9), query.text(10),
                        query.text(11), query.text(12), query.text(13), query.optionalReal(14)},
                       {static_cast<int>(query.integer(15)), query.integer(16)}});
    }
    succeeded(code);
    return due;
}

int Journal::dueCount(Time now) {
    Statement query(Db, "SELECT count(*) FROM reviews WHERE due <= ?");
    query.bind(1, now);
    return succeeded(query.step()) ? static_cast<int>(query.integer(0)) : 0;
}

int Journal::queuedCount() {
    return static_cast<int>(queryInteger(Db, "SELECT count(*) FROM reviews").value_or(0));
}

std::optional<ReviewState> Journal::reviewState(std::int64_t spot) {
    Statement query(Db, "SELECT box, due FROM reviews WHERE spot = ?");
    query.bind(1, spot);
    if (query.step() != SQLITE_ROW) return std::nullopt;
    return ReviewState{static_cast<int>(query.integer(0)), query.integer(1)};
}

} // namespace tavolin::journal
