#include "cli/cli_options.h"

#include "cli/profile_names.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace tavolin::cli {
namespace {

// Reads a profile as the option's value arrives, so that a bad one names the option.
void addProfileOption(CLI::App& app, const std::string& name, ProfileKind kind, int& profile) {
    app.add_option_function<std::string>(name, [name, kind, &profile](const std::string& value) {
        const auto index = readProfile(value, kind);
        if (!index) {
            throw CLI::ValidationError(name, "option " + name + " takes " + profileChoices(kind) +
                                                 ", not \"" + value + "\"");
        }
        profile = *index;
    });
}

// CLI11 names the option before a colon; the messages here say what to do instead.
std::string explain(const CLI::ParseError& error) {
    const std::string what = error.what();
    const std::string option = what.substr(0, what.find(':'));
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr)
        return "option " + option + " needs a value";
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) return what.substr(what.find(':') + 2);
    return what;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        return HelpRequest{};
    }
    SingleRequest single;
    HandRequest& hand = single.Hand;
    std::vector<std::string> positional;
    bool batch = false;

    CLI::App app{"tavolin-report"};
    app.set_help_flag();
    app.allow_extras();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--batch", batch);
    app.add_option("--pot", hand.Pot);
    app.add_option("--hero-bet", hand.HeroBet);
    app.add_option("--villain-bet", hand.VillainBet);
    app.add_option("--stack", hand.Stack);
    addProfileOption(app, "--preflop", ProfileKind::kPreflop, hand.Preflop);
    addProfileOption(app, "--postflop", ProfileKind::kPostflop, hand.Postflop);
    app.add_flag("--villain-count", hand.VillainCount);
    app.add_flag("--raw", single.Raw);
    app.add_flag("--json", single.Json);
    app.add_flag("--equity", hand.Equity);
    app.add_option_function<std::string>("--range", [&hand](const std::string& text) { hand.Range = text; });
    app.add_option("cards", positional);

    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::ParseError& error) {
        return UsageError{explain(error)};
    }
    for (const std::string& extra : app.remaining()) {
        if (extra != "--") return UsageError{"unknown option " + extra};
    }
    if (batch) {
        if (!positional.empty())
            return UsageError{"--batch reads its hands from standard input, not arguments"};
        return BatchRequest{};
    }
    if (positional.size() != 2) {
        return UsageError{positional.size() < 2
                              ? "give the hole cards and the board, such as \"Ad 7d\" \"3s 4c 5h\""
                              : "too many arguments: quote the cards, such as \"Ad 7d\""};
    }
    hand.Hole = positional[0];
    hand.Board = positional[1];
    return single;
}

} // namespace tavolin::cli
