#include "journal/journal.h"
#include "journal/json_text.h"
#include "journal/statement.h"
#include "journal/time_text.h"

#include <ostream>

namespace tavolin::journal {
namespace {

void appendKey(std::string& line, std::string_view key) {
    line += ',';
    appendJsonString(line, key);
    line += ':';
}

} // namespace

bool Journal::exportAnswers(std::ostream& out, Time since) {
    Statement query(Db,
                    "SELECT a.time, a.session, s.hole, s.board, s.pot, s.hero_bet, s.villain_bet, s.stack, "
                    "s.range_name, s.range_text, s.street, s.board_kind, s.source, a.question, a.answer, "
                    "a.truth, a.right, a.error, a.seconds, s.tier, s.closeness, s.equity FROM answers a "
                    "JOIN spots s ON s.id = a.spot "
                    "WHERE a.time >= ? ORDER BY a.time, a.id");
    query.bind(1, since);
    std::string line;
    int code = SQLITE_OK;
    while ((code = query.step()) == SQLITE_ROW) {
        line = "{\"time\":";
        appendJsonString(line, isoTime(query.integer(0)));
        appendKey(line, "session");
        line += std::to_string(query.integer(1));
        line += ",\"spot\":{\"hole\":";
        appendJsonString(line, query.text(2));
        appendKey(line, "board");
        appendJsonString(line, query.text(3));
        constexpr std::string_view kAmounts[] = {"pot", "heroBet", "villainBet", "stack"};
        for (int i = 0; i < 4; ++i) {
            appendKey(line, kAmounts[i]);
            appendJsonNumber(line, query.real(4 + i));
        }
        constexpr std::string_view kNames[] = {"range", "rangeText", "street", "boardKind", "source"};
        for (int i = 0; i < 5; ++i) {
            appendKey(line, kNames[i]);
            appendJsonString(line, query.text(8 + i));
        }
        appendKey(line, "tier");
        appendJsonString(line, query.text(19));
        appendKey(line, "closeness");
        appendJsonString(line, query.text(20));
        appendKey(line, "equity");
        if (const auto equity = query.optionalReal(21))
            appendJsonNumber(line, *equity);
        else
            line += "null";
        line += '}';
        constexpr std::string_view kAnswerTexts[] = {"question", "answer", "truth"};
        for (int i = 0; i < 3; ++i) {
            appendKey(line, kAnswerTexts[i]);
            appendJsonString(line, query.text(13 + i));
        }
        appendKey(line, "right");
        line += query.integer(16) != 0 ? "true" : "false";
        appendKey(line, "error");
        if (const auto error = query.optionalReal(17))
            appendJsonNumber(line, *error);
        else
            line += "null";
        appendKey(line, "seconds");
        appendJsonNumber(line, query.real(18));
        line += "}\n";
        out << line;
    }
    out.flush();
    return succeeded(code) && out.good();
}

} // namespace tavolin::journal
