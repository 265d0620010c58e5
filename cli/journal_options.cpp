#include "cli/journal_options.h"

#include "journal/time_text.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace tavolin::cli {
namespace {

constexpr int kMaxCount = 1000000;
constexpr std::array<std::pair<std::string_view, practice::QuestionKind>, 4> kQuestionWords{{
    {"tier", practice::QuestionKind::kTier},
    {"outs", practice::QuestionKind::kOuts},
    {"equity", practice::QuestionKind::kEquity},
    {"decision", practice::QuestionKind::kDecision},
}};
const std::vector<std::string> kPracticeOnly{"--count", "--questions", "--review"};
const std::vector<std::string> kNotWithJournal{
    "--pot",    "--hero-bet",      "--villain-bet", "--stack", "--postflop", "--raw",        "--json",
    "--equity", "--villain-count", "--range",       "--deal",  "--leak",     "--hero-range", "--keep"};

std::optional<std::string> firstOf(const CLI::App& app, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (app.count(name) > 0) return name;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<practice::QuestionKind>> readQuestionList(std::string_view text) {
    std::vector<practice::QuestionKind> kinds;
    std::istringstream words{std::string(text)};
    for (std::string word; std::getline(words, word, ',');) {
        const auto* found = std::find_if(kQuestionWords.begin(), kQuestionWords.end(),
                                         [&word](const auto& entry) { return entry.first == word; });
        if (found == kQuestionWords.end() ||
            std::find(kinds.begin(), kinds.end(), found->second) != kinds.end())
            return std::nullopt;
        kinds.push_back(found->second);
    }
    if (kinds.empty()) return std::nullopt;
    return kinds;
}

void addJournalOptions(CLI::App& app, JournalOptions& options) {
    app.add_flag("--practice", options.Practice);
    app.add_flag("--review", options.Review);
    app.add_flag("--journal-export", options.Export);
    app.add_flag("--journal-stats", options.Stats);
    app.add_option_function<std::string>("--count", [&options](const std::string& value) {
        int count = 0;
        std::istringstream in(value);
        if (!(in >> count) || !in.eof() || count < 1 || count > kMaxCount)
            throw CLI::ValidationError("--count", "option --count takes a number of spots from 1 to " +
                                                      std::to_string(kMaxCount) + ", not \"" + value + "\"");
        options.Count = count;
    });
    app.add_option_function<std::string>("--questions", [&options](const std::string& value) {
        if (!readQuestionList(value))
            throw CLI::ValidationError("--questions",
                                       "option --questions takes a list of tier, outs, equity, "
                                       "decision, such as \"tier,outs\", not \"" +
                                           value + "\"");
        options.Questions = value;
    });
    app.add_option_function<std::string>("--journal",
                                         [&options](const std::string& value) { options.Journal = value; });
    app.add_option_function<std::string>("--since", [&options](const std::string& value) {
        if (!journal::readDay(value))
            throw CLI::ValidationError("--since",
                                       "option --since takes a day as YYYY-MM-DD, not \"" + value + "\"");
        options.Since = value;
    });
}

std::optional<CommandLine> journalCommand(const CLI::App& app, const JournalOptions& options,
                                          const DealRequest& deal, std::optional<int> preflop,
                                          bool hasCardsOrBatch) {
    const int commands = int{options.Practice} + int{options.Export} + int{options.Stats};
    if (commands == 0) {
        if (const auto option = firstOf(app, kPracticeOnly))
            return UsageError{*option + " goes with --practice only"};
        if (options.Journal && app.count("--leak") == 0)
            return UsageError{"--journal goes with --practice, --journal-export, --journal-stats or --leak"};
        if (options.Since) return UsageError{"--since goes with --journal-export only"};
        return std::nullopt;
    }
    if (commands > 1) return UsageError{"--practice, --journal-export and --journal-stats go one at a time"};
    if (hasCardsOrBatch) return UsageError{"the journal's commands take no cards and no --batch"};
    if (const auto option = firstOf(app, kNotWithJournal))
        return UsageError{*option + " does not go with the journal's commands"};
    if (!options.Practice) {
        if (const auto option = firstOf(app, kPracticeOnly))
            return UsageError{*option + " goes with --practice only"};
        if (const auto option = firstOf(app, {"--seed", "--street", "--board", "--preflop", "--close"}))
            return UsageError{*option + " goes with --practice or --deal only"};
    }
    if (options.Since && !options.Export) return UsageError{"--since goes with --journal-export only"};
    if (options.Export)
        return JournalExportRequest{options.Since ? *journal::readDay(*options.Since) : 0, options.Journal};
    if (options.Stats) return JournalStatsRequest{options.Journal};
    PracticeRequest practice;
    practice.Count = options.Count;
    if (app.count("--seed") > 0) practice.Seed = deal.Seed;
    practice.Filter = deal.Filter;
    practice.Filter.PreflopProfile = preflop;
    if (!options.Questions.empty()) practice.Questions = *readQuestionList(options.Questions);
    practice.Review = options.Review;
    practice.Journal = options.Journal;
    return practice;
}

} // namespace tavolin::cli
