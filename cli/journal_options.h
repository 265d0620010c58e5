#pragma once

#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

namespace tavolin::cli {

// The journal's options as CLI11 reads them, before they are checked against each other.
struct JournalOptions {
    bool Practice = false;
    bool Review = false;
    bool Export = false;
    bool Stats = false;
    std::optional<int> Count;
    std::string Questions;
    std::optional<std::string> Journal;
    std::optional<std::string> Since;
};

void addJournalOptions(CLI::App& app, JournalOptions& options);

// The practice, export or stats request the parsed options make, a usage error, or nullopt when none of
// the journal's commands was asked for.
std::optional<CommandLine> journalCommand(const CLI::App& app, const JournalOptions& options,
                                          const DealRequest& deal, std::optional<int> preflop,
                                          bool hasCardsOrBatch);

// "tier,outs,equity,decision" in any order and selection; nullopt for an unknown or repeated word.
std::optional<std::vector<practice::QuestionKind>> readQuestionList(std::string_view text);

} // namespace tavolin::cli
