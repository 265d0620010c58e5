#include "journal/journal.h"
#include "journal/json_text.h"
#include "journal/statement.h"

namespace tavolin::journal {
namespace {

// `"key":{"answers":n,"right":r}` for each group the query yields (group, answers, right).
bool appendGroups(sqlite3* db, std::string& out, std::string_view name, std::string_view sql) {
    Statement query(db, sql);
    out += ",\"";
    out += name;
    out += "\":{";
    int code = SQLITE_OK;
    for (bool first = true; (code = query.step()) == SQLITE_ROW; first = false) {
        if (!first) out += ',';
        appendJsonString(out, query.text(0));
        out += ":{\"answers\":" + std::to_string(query.integer(1)) +
               ",\"right\":" + std::to_string(query.integer(2)) + "}";
    }
    out += '}';
    return code == SQLITE_DONE;
}

} // namespace

std::optional<std::string> Journal::stats(Time now) {
    // One read transaction, so that every figure counts the same answers.
    if (!succeeded(execute(Db, "BEGIN"))) return std::nullopt;
    Statement totals(Db, "SELECT count(*), coalesce(sum(right), 0) FROM answers");
    bool read = totals.step() == SQLITE_ROW;
    std::string out = "{\"answers\":" + std::to_string(totals.integer(0)) +
                      ",\"right\":" + std::to_string(totals.integer(1));
    read = read && appendGroups(Db, out, "question",
                                "SELECT question, count(*), sum(right) FROM answers GROUP BY question "
                                "ORDER BY question");
    // Per spot first: a spot holds a few answers, so the join then touches far fewer rows.
    constexpr std::string_view kBySpot = "WITH per_spot AS (SELECT spot, count(*) AS n, sum(right) AS r FROM "
                                         "answers GROUP BY spot) SELECT s.";
    constexpr std::string_view kJoin = ", sum(n), sum(r) FROM per_spot JOIN spots s ON s.id = per_spot.spot "
                                       "GROUP BY 1 ORDER BY 1";
    read = read && appendGroups(Db, out, "street", std::string(kBySpot) + "street" + std::string(kJoin));
    read =
        read && appendGroups(Db, out, "boardKind", std::string(kBySpot) + "board_kind" + std::string(kJoin));
    out += ",\"review\":{\"queued\":" + std::to_string(queuedCount()) +
           ",\"due\":" + std::to_string(dueCount(now)) + "}}";
    execute(Db, "COMMIT");
    if (!read) {
        succeeded(SQLITE_ERROR);
        return std::nullopt;
    }
    return out;
}

} // namespace tavolin::journal
