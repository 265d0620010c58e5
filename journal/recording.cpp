#include "journal/journal.h"
#include "journal/statement.h"

namespace tavolin::journal {
namespace {

// Rolls back unless committed, so that an answer and its effect on the queue are written together or not.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : Db(db), Code(execute(db, "BEGIN IMMEDIATE")) {}
    ~Transaction() {
        if (!Done) execute(Db, "ROLLBACK");
    }
    int begun() const { return Code; }
    int commit() {
        Done = true;
        const int code = execute(Db, "COMMIT");
        if (code != SQLITE_OK) execute(Db, "ROLLBACK");
        return code;
    }

private:
    sqlite3* Db;
    int Code;
    bool Done = false;
};

int updateQueue(sqlite3* db, std::int64_t session, std::int64_t spot, bool right, Time now) {
    Statement current(db, "SELECT box, due FROM reviews WHERE spot = ?");
    current.bind(1, spot);
    const int found = current.step();
    if (found != SQLITE_ROW && found != SQLITE_DONE) return found;
    ReviewState next = afterMiss(now);
    if (right) {
        if (found != SQLITE_ROW || current.integer(1) > now) return SQLITE_OK;
        Statement missed(db, "SELECT 1 FROM answers WHERE session = ? AND spot = ? AND right = 0");
        missed.bind(1, session).bind(2, spot);
        const int earlier = missed.step();
        if (earlier != SQLITE_DONE) return earlier == SQLITE_ROW ? SQLITE_OK : earlier;
        next = afterRightReview({static_cast<int>(current.integer(0)), current.integer(1)}, now);
    }
    Statement write(db, "INSERT INTO reviews (spot, box, due) VALUES (?, ?, ?) "
                        "ON CONFLICT (spot) DO UPDATE SET box = excluded.box, due = excluded.due");
    write.bind(1, spot).bind(2, std::int64_t{next.Box}).bind(3, next.Due);
    return write.step();
}

} // namespace

std::int64_t Journal::startSession(Time now, std::string_view program) {
    Statement insert(Db, "INSERT INTO sessions (started, program) VALUES (?, ?)");
    insert.bind(1, now).bind(2, program);
    return succeeded(insert.step()) ? sqlite3_last_insert_rowid(Db) : 0;
}

std::int64_t Journal::spotId(const SpotRecord& spot) {
    Statement insert(Db,
                     "INSERT INTO spots (hole, board, pot, hero_bet, villain_bet, stack, range_name, "
                     "range_text, street, board_kind, source, tier, closeness, equity) "
                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                     "ON CONFLICT (hole, board, pot, hero_bet, villain_bet, stack, range_name, range_text) "
                     "DO UPDATE SET tier = excluded.tier, closeness = excluded.closeness, "
                     "equity = excluded.equity WHERE spots.tier = '' AND excluded.tier <> ''");
    insert.bind(1, spot.Hole).bind(2, spot.Board).bind(3, spot.Pot).bind(4, spot.HeroBet);
    insert.bind(5, spot.VillainBet).bind(6, spot.Stack).bind(7, spot.RangeName).bind(8, spot.RangeText);
    insert.bind(9, spot.Street).bind(10, spot.BoardKind).bind(11, spot.Source);
    insert.bind(12, spot.Tier).bind(13, spot.Closeness).bind(14, spot.Equity);
    if (!succeeded(insert.step())) return 0;
    Statement find(Db, "SELECT id FROM spots WHERE hole = ? AND board = ? AND pot = ? AND hero_bet = ? AND "
                       "villain_bet = ? AND stack = ? AND range_name = ? AND range_text = ?");
    find.bind(1, spot.Hole).bind(2, spot.Board).bind(3, spot.Pot).bind(4, spot.HeroBet);
    find.bind(5, spot.VillainBet).bind(6, spot.Stack).bind(7, spot.RangeName).bind(8, spot.RangeText);
    const int code = find.step();
    return succeeded(code) && code == SQLITE_ROW ? find.integer(0) : 0;
}

Recorded Journal::record(std::int64_t session, std::int64_t spot, const AnswerRecord& answer) {
    Transaction transaction(Db);
    if (!succeeded(transaction.begun())) return Recorded::kFailed;
    Statement insert(Db,
                     "INSERT INTO answers (session, spot, question, answer, truth, right, error, seconds, "
                     "time) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING");
    insert.bind(1, session).bind(2, spot).bind(3, answer.Question).bind(4, answer.Answer);
    insert.bind(5, answer.Truth).bind(6, std::int64_t{answer.Right}).bind(7, answer.Error);
    insert.bind(8, answer.Seconds).bind(9, answer.At);
    if (!succeeded(insert.step())) return Recorded::kFailed;
    if (sqlite3_changes(Db) == 0) return Recorded::kAlreadyThere;
    if (!succeeded(updateQueue(Db, session, spot, answer.Right, answer.At))) return Recorded::kFailed;
    return succeeded(transaction.commit()) ? Recorded::kNew : Recorded::kFailed;
}

} // namespace tavolin::journal
