#include "journal/journal.h"
#include "journal/json_text.h"
#include "journal/statement.h"

#include <array>
#include <map>

namespace tavolin::journal {
namespace {

struct Tally {
    std::int64_t Answers = 0;
    std::int64_t Right = 0;
};

// `,"name":{"group":{"answers":n,"right":r},...}`.
void appendGroups(std::string& out, std::string_view name, const std::map<std::string, Tally>& groups) {
    out += ",\"";
    out += name;
    out += "\":{";
    bool first = true;
    for (const auto& [group, tally] : groups) {
        if (!first) out += ',';
        first = false;
        appendJsonString(out, group);
        out += ":{\"answers\":" + std::to_string(tally.Answers) +
               ",\"right\":" + std::to_string(tally.Right) + "}";
    }
    out += '}';
}

// `,"leaks":[{"street":..,"boardKind":..,"tier":..,"closeness":..,"answers":n,"right":r,"meanError":e},...]`.
void appendLeaks(std::string& out, const std::vector<LeakRow>& rows) {
    out += ",\"leaks\":[";
    for (const LeakRow& row : rows) {
        if (out.back() != '[') out += ',';
        out += "{\"street\":";
        appendJsonString(out, row.Street);
        out += ",\"boardKind\":";
        appendJsonString(out, row.BoardKind);
        out += ",\"tier\":";
        appendJsonString(out, row.Tier);
        out += ",\"closeness\":";
        appendJsonString(out, row.Closeness);
        out += ",\"answers\":" + std::to_string(row.Answers) + ",\"right\":" + std::to_string(row.Right) +
               ",\"meanError\":";
        if (row.MeanError)
            appendJsonNumber(out, *row.MeanError);
        else
            out += "null";
        out += '}';
    }
    out += ']';
}

} // namespace

std::optional<std::string> Journal::stats(Time now) {
    // One read transaction, so that every figure counts the same answers. One pass over the answers counts
    // every group: cheaper than a GROUP BY for each, which sorts the answers again.
    if (!succeeded(execute(Db, "BEGIN"))) return std::nullopt;
    Statement query(Db, "SELECT a.question, s.street, s.board_kind, a.right FROM answers a "
                        "JOIN spots s ON s.id = a.spot");
    Tally total;
    std::array<std::map<std::string, Tally>, 3> groups;
    int code = SQLITE_OK;
    while ((code = query.step()) == SQLITE_ROW) {
        const std::int64_t right = query.integer(3) != 0 ? 1 : 0;
        ++total.Answers;
        total.Right += right;
        for (int group = 0; group < 3; ++group) {
            Tally& into = groups[static_cast<std::size_t>(group)][query.text(group)];
            ++into.Answers;
            into.Right += right;
        }
    }
    std::vector<AnsweredSpot> answers;
    if (code == SQLITE_DONE) code = readAnsweredSpots(Db, answers);
    const int queued = queuedCount();
    const int due = dueCount(now);
    execute(Db, "COMMIT");
    if (!succeeded(code)) return std::nullopt;
    std::string out =
        "{\"answers\":" + std::to_string(total.Answers) + ",\"right\":" + std::to_string(total.Right);
    appendGroups(out, "question", groups[0]);
    appendGroups(out, "street", groups[1]);
    appendGroups(out, "boardKind", groups[2]);
    appendLeaks(out, leakRows(answers));
    out += ",\"review\":{\"queued\":" + std::to_string(queued) + ",\"due\":" + std::to_string(due) + "}}";
    return out;
}

} // namespace tavolin::journal
