// tavolin-report --history over every sample file: each line is one JSON object with exactly its
// documented keys, the file lines count what came before them, and a missing file stops nothing.
#include "cli/history_output.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace tavolin::cli {
namespace {

using Keys = std::set<std::string>;

const std::map<std::string, Keys> kKeys{
    {"hand", {"type", "file", "id", "game", "limit", "hero", "hole", "board", "players", "net", "decisions"}},
    {"decision",
     {"type", "id", "street", "hole", "board", "pot", "toCall", "stack", "opponents", "action", "amount",
      "price", "equity", "verdict", "reason"}},
    {"skipped", {"type", "file", "id", "reason"}},
    {"file", {"type", "file", "hands", "read", "skipped"}},
};

TEST(HistoryOutput, EveryLineHasItsKeysAndEveryFileItsCounts) {
    HistoryRequest request;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TAVOLIN_HH_SAMPLES)) {
        if (entry.is_regular_file() && entry.path().extension() != ".md")
            request.Files.push_back(entry.path());
    }
    request.Files.push_back("/nonexistent/hands.txt");
    request.Files.push_back(request.Files.front());
    std::istringstream noInput;
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(writeHistory(request, noInput, out, errors), 2);
    EXPECT_NE(errors.str().find("cannot open /nonexistent/hands.txt"), std::string::npos);

    std::istringstream lines(out.str());
    std::map<std::string, int> counts;
    int files = 0;
    int pendingDecisions = 0;
    for (std::string line; std::getline(lines, line);) {
        const auto object = nlohmann::json::parse(line);
        const std::string type = object.at("type");
        Keys keys;
        for (const auto& [key, value] : object.items())
            keys.insert(key);
        EXPECT_EQ(keys, kKeys.at(type)) << line;
        if (type == "decision") --pendingDecisions;
        EXPECT_GE(pendingDecisions, 0) << line;
        if (type == "hand") {
            EXPECT_EQ(pendingDecisions, 0);
            pendingDecisions = object.at("decisions");
        }
        ++counts[type];
        if (type != "file") continue;
        ++files;
        EXPECT_EQ(object.at("read"), counts["hand"]) << line;
        EXPECT_EQ(object.at("skipped"), counts["skipped"]) << line;
        EXPECT_EQ(object.at("hands"), counts["hand"] + counts["skipped"]) << line;
        counts.clear();
    }
    EXPECT_EQ(files, std::ssize(request.Files) - 1);
}

} // namespace
} // namespace tavolin::cli
