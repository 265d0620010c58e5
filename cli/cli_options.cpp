#include "cli/cli_options.h"

#include "cli/journal_options.h"
#include "cli/kept_class_names.h"
#include "cli/profile_names.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <functional>

namespace tavolin::cli {
namespace {

constexpr int kMaxDeal = 1000000;
const std::vector<std::string> kDealOnly{"--seed", "--street", "--board", "--leak", "--close"};
const std::vector<std::string> kHandOnly{"--pot",           "--hero-bet", "--villain-bet", "--stack",
                                         "--postflop",      "--raw",      "--json",        "--equity",
                                         "--villain-count", "--range",    "--hero-range"};

// An option whose value is read as it arrives, so that a bad one names the option and what it takes.
void addReadOption(CLI::App& app, const std::string& name, const std::string& takes,
                   std::function<bool(const std::string&)> read) {
    app.add_option_function<std::string>(name, [name, takes, read](const std::string& value) {
        if (!read(value))
            throw CLI::ValidationError(name,
                                       "option " + name + " takes " + takes + ", not \"" + value + "\"");
    });
}

template <typename Number> bool readWhole(const std::string& text, Number& value, Number low, Number high) {
    Number read{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc{} || end != text.data() + text.size() || read < low || read > high) return false;
    value = read;
    return true;
}

// Keeps the value when there is one; an empty optional means not readable.
template <typename Value> bool assign(std::optional<Value>& target, const std::optional<Value>& value) {
    if (value) target = value;
    return value.has_value();
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

std::optional<std::string> firstGiven(const CLI::App& app, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (app.count(name) > 0) return name;
    }
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        return HelpRequest{};
    }
    SingleRequest single;
    HandRequest& hand = single.Hand;
    DealRequest deal;
    std::optional<int> preflop;
    std::vector<std::string> positional;
    bool batch = false;
    bool history = false;

    CLI::App app{"tavolin-report"};
    app.set_help_flag();
    app.allow_extras();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--batch", batch);
    app.add_flag("--history", history);
    app.add_option("--pot", hand.Pot);
    app.add_option("--hero-bet", hand.HeroBet);
    app.add_option("--villain-bet", hand.VillainBet);
    app.add_option("--stack", hand.Stack);
    addReadOption(app, "--preflop", profileChoices(ProfileKind::kPreflop),
                  [&preflop](const std::string& value) {
                      return assign(preflop, readProfile(value, ProfileKind::kPreflop));
                  });
    addReadOption(app, "--postflop", profileChoices(ProfileKind::kPostflop),
                  [&hand](const std::string& value) {
                      const auto profile = readProfile(value, ProfileKind::kPostflop);
                      hand.Postflop = profile.value_or(hand.Postflop);
                      return profile.has_value();
                  });
    app.add_flag("--villain-count", hand.VillainCount);
    app.add_flag("--raw", single.Raw);
    app.add_flag("--json", single.Json);
    app.add_flag("--equity", hand.Equity);
    std::vector<std::string> rangeTexts;
    app.add_option("--range", rangeTexts)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option_function<std::string>("--hero-range",
                                         [&hand](const std::string& text) { hand.HeroRange = text; });
    std::vector<std::string> keep;
    app.add_option("--keep", keep)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    bool close = false;
    app.add_flag("--close", close);
    addReadOption(app, "--deal", "a number of spots from 1 to " + std::to_string(kMaxDeal),
                  [&deal](const std::string& value) { return readWhole(value, deal.Count, 1, kMaxDeal); });
    addReadOption(app, "--seed", "a whole number from 0 to 18446744073709551615",
                  [&deal](const std::string& value) {
                      return readWhole<std::uint64_t>(value, deal.Seed, 0, UINT64_MAX);
                  });
    addReadOption(app, "--street", "flop, turn or river", [&deal](const std::string& value) {
        return assign(deal.Filter.OnStreet, practice::readStreet(value));
    });
    addReadOption(app, "--board", "dry, coordinated, paired or flush", [&deal](const std::string& value) {
        return assign(deal.Filter.Board, practice::readBoardKind(value));
    });
    addReadOption(app, "--leak", "a leak's place from 1 (the worst) to " + std::to_string(kMaxDeal),
                  [&deal](const std::string& value) {
                      deal.Leak = 0;
                      return readWhole(value, *deal.Leak, 1, kMaxDeal);
                  });
    app.add_option("cards", positional);
    JournalOptions journalOptions;
    addJournalOptions(app, journalOptions);

    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::ParseError& error) {
        return UsageError{explain(error)};
    }
    for (const std::string& extra : app.remaining()) {
        if (extra != "--") return UsageError{"unknown option " + extra};
    }
    hand.Preflop = preflop.value_or(hand.Preflop);
    if (rangeTexts.size() > 3) return UsageError{"--range is given once per villain, at most three times"};
    if (rangeTexts.size() == 1) hand.Range = rangeTexts.front();
    if (rangeTexts.size() > 1) hand.Ranges = rangeTexts;
    const KeptReading kept = readKeptClasses(keep);
    if (!kept.Problem.empty()) return UsageError{"--keep: " + kept.Problem};
    keep.clear();
    for (int row = 0; kept.Kept && row < equity::kBoardClassCount; ++row) {
        if (kept.Kept->test(static_cast<std::size_t>(row)))
            keep.emplace_back(equity::boardClassName(static_cast<equity::BoardClass>(row)));
    }
    if (close) deal.Filter.CloseBet = practice::Closeness::kWithin5;
    if (auto command = journalCommand(app, journalOptions, deal, preflop, batch || !positional.empty()))
        return *command;
    if (history) {
        if (batch || app.count("--deal") > 0)
            return UsageError{"--history does not go with --batch or --deal"};
        if (const auto option = firstGiven(app, kHandOnly))
            return UsageError{*option + " does not go with --history"};
        if (const auto option = firstGiven(app, kDealOnly))
            return UsageError{*option + " does not go with --history"};
        if (!keep.empty()) return UsageError{"--keep does not go with --history"};
        if (positional.empty())
            return UsageError{"--history reads the hand-history files given after it (- for standard input)"};
        return HistoryRequest{positional, hand.Preflop};
    }
    if (app.count("--deal") > 0) {
        if (batch || !positional.empty())
            return UsageError{"--deal writes spots; it takes no cards and no --batch"};
        if (const auto option = firstGiven(app, kHandOnly))
            return UsageError{*option + " does not go with --deal"};
        if (close && deal.Leak)
            return UsageError{"--close does not go with --leak: a leak's spots keep its closeness"};
        deal.Filter.PreflopProfile = preflop;
        deal.Keep = keep;
        deal.Journal = journalOptions.Journal;
        return deal;
    }
    if (const auto option = firstGiven(app, kDealOnly)) return UsageError{*option + " goes with --deal only"};
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
    hand.Keep = keep;
    hand.Hole = positional[0];
    hand.Board = positional[1];
    return single;
}

} // namespace tavolin::cli
