#include "cli/cli_options.h"

namespace tavolin::cli {

const std::string_view kHelpText = R"(tavolin-report - the Tavolin hand analysis on the command line

Usage:
  tavolin-report HOLE BOARD [options]
  tavolin-report --batch < hands.jsonl > answers.jsonl
  tavolin-report --deal N [--seed S] [--street S] [--board K] [--preflop P] [--close] > spots.jsonl
  tavolin-report --deal N --leak K [--seed S] [--preflop P] [--journal PATH] > spots.jsonl
  tavolin-report --practice [--count N] [--questions LIST] [--review] [--journal PATH] [filters]
  tavolin-report --journal-export [--since YYYY-MM-DD] [--journal PATH] > answers.jsonl
  tavolin-report --journal-stats [--journal PATH]
  tavolin-report --history FILE... [--preflop P] > hands.jsonl
  tavolin-report --help

HOLE is two cards one blank apart ("Ad 7d"); BOARD is three to five cards ("3s 4c 5h",
"3s 4c 5h 8d", "3s 4c 5h 8d 9d"). A card is a rank A K Q J T 9 .. 2 followed by a suit s h c d.

Options (amounts are read as a player types them into the window: "100", "12.5", " 1 000"):
  --pot T           pot before bets
  --hero-bet T      hero's bet
  --villain-bet T   villain's bet
  --stack T         effective stack behind
  --preflop P       villain's preflop profile: 0 or nit, 1 or semiloose (default), 2 or loose,
                    3 or fish
  --postflop P      villain's postflop profile: 0 or tight, 1 or semiloose (default), 2 or loose
  --villain-count   also count the villain holdings that beat the hero at showdown
  --raw             write the report's exact bytes, with CR LF line ends
  --json            write the hand's batch answer (one JSON object) instead of the report
  --equity          add the exact equity against a random hand and against the villain's range,
                    the range on this board and, on a flop or turn, the true outs
  --range TEXT      the villain's range, as in "QQ+, AKs, AJo+, 88-55, K9s-K6s, AhKh, AQo:0.5";
                    without it the preflop profile's: nit top 12%, semiloose 25%, loose 40%,
                    fish 70% of the starting hands. Given two or three times, one range per
                    villain: adds the hero's equity against them all at once (exact when the
                    deals are few, else sampled); the other figures use the first
  --hero-range TEXT the hero's range: adds its exact equity against the villain's range and the
                    equity of each starting hand of it
  --keep CLASSES    narrow the villain's range (each one's) to these rows of the range on this
                    board, comma-separated or given again: "top pair, flush draw"; the names are
                    those of the table --equity prints

Practice spots (--deal writes them as batch lines that --batch reads back):
  --deal N          deal N random spots: hole cards, a board, a pot, a stack and the villain's
                    bet, one JSON line each, with an "id". The bet is the usual size (1/4 pot
                    to 1.5 pot, or all-in) that makes calling closest to a coin flip against
                    the part of the range that bets it: about half the spots within 5 points of
                    the price, four in five within 12
  --close           only spots within 5 points of the price
  --keep CLASSES    write "keep" into every line (see above)
  --seed S          the seed (default 1): the same seed and filters give the same lines
  --street S        only flop, turn or river spots
  --board K         only boards the report reads as dry, coordinated, paired or flush
  --preflop P       only spots against this villain profile (else any of the four)
  --leak K          only spots of the kind of the journal's K-th leak (1 = the worst; the
                    "leaks" of --journal-stats): its street, board, tier and closeness

Practice in the terminal (answers are saved in the journal):
  --practice        deal spots and ask, one question per line; answer one per line: the
                    strength n w m s v u (or the tier's name), outs and equity as numbers,
                    the decision c or f. End of input or q ends the session with the score.
                    Facing a bet, the equity and the call are judged against the range that bets.
                    --seed, --street, --board, --preflop and --close shape the spots as for --deal
  --count N         stop after N spots
  --questions LIST  some of tier,outs,equity,decision (default all four)
  --review          the spots due for review first: a wrong answer brings its spot back at
                    once, a right one at review 1, 3, 7, 21, then 60 days later
  --journal PATH    the journal file (default $XDG_DATA_HOME/tavolin/journal.sqlite3, or
                    ~/.local/share/tavolin/journal.sqlite3)
  --journal-export  every answer as a JSON line: time, session, spot {hole, board, pot, heroBet,
                    villainBet, stack, range, rangeText, street, boardKind, source, tier,
                    closeness, equity}, question,
                    answer, truth, right, error, seconds; --since YYYY-MM-DD keeps later ones
  --journal-stats   one JSON object: answers and right ones in all, by question, street and
                    board kind, the review queue {queued, due} and the "leaks": kinds of spot
                    (street, boardKind, tier, closeness = a band of the exact equity minus the
                    price) with 10 answers or more, the most misses beyond the usual rate first,
                    each {..., answers, right, meanError (of its equity answers, in points)}
A journal that cannot be used is reported and left as it is: practice goes on without saving,
export and stats exit with 2.

The pot-odds, SPR and commitment lines appear when the pot and the stack are above 0 and
neither bet is negative. Numbers are printed with the decimal separator of LC_ALL / LC_NUMERIC.

Batch mode reads one JSON object per line from standard input and writes one JSON line per
input line, in order. Keys (all optional; texts default to "", profiles to 1, the count to false):
  {"id":7,"hole":"Ad 7d","board":"3s 4c 5h","pot":100,"heroBet":"0","villainBet":50,
   "stack":"500","preflop":"nit","postflop":1,"villainCount":false}
Amounts are texts or numbers, profiles indexes or names, and "id" any JSON value, echoed in the
answer. Each answer is {"id":...,"report":"<the exact report, CR LF inside>","fields":{...}}, or
{"id":...,"error":"<what was wrong>"} for a line that is not such an object or whose cards were
rejected; the batch goes on. "fields" holds the report's values: "hand", "board", "strength"
(texts), "outs" (number), "outsLines" (texts), "outsCards" (beside each line the cards it
counted, as texts), "perAllIn", "perNextCard", "pmeAllIn", "pmeNextCard" (percent, as printed),
"spr", "commitment" and "betterVillainHands" ({"better":b,"tried":n}); null where the report has
no such line.

The keys "equity":true, "range":"TEXT", "ranges":["TEXT","TEXT"], "heroRange":"TEXT" and
"keep":["top pair",...] work as --equity, --range (once, or once per villain), --hero-range and
--keep. With "equity":true the answer gains "equity": {"random": {"equity","win","tie","holdings",
"runouts"}, "range": {"text","holdings","equity","win","tie"}, "board": [{"class","holdings",
"share","beatHero","heroEquity"}, ...]} (shares from 0 to 1; holdings weighted; heroEquity against
that row's holdings alone), and on a flop or turn "nextCard": [{"card":"9h","equity":e}, ...]
(every unseen card) and "trueOuts": {"cards":[...],"kind":"behind"} (the cards that bring the hero
to at least 50% against the range), or "kind":"ahead" (the cards that put the hero below 50%).
With a villain's bet above 0 it gains "betting": {"text","holdings","equity","win","tie","model"}:
the part of the range that bets (value hands, draws and just enough bluffs for the bet's price;
weights in the text rounded to 2 decimals) and the hero's equity against it. A hero range adds
"heroRange": {"text","holdings","equity","win","tie"} and "grid": [{"hand":"AKs","holdings",
"equity"}, ...] (the starting hands with live holdings, in the range grid's order); two or three
ranges add "multiway": {"equity","win","tie","exact","stdError","samples"}. A range or a class
name that cannot be read is an error naming it.

Hand histories (--history): text files of hands that start "<room> Hand #123: Hold'em ..." or Open Hand
History JSON, "-" for standard input; one JSON line per hand read, per hero decision after the
flop and per hand skipped (with the reason), then {"type":"file","file","hands","read","skipped"}.
Decisions are weighed against the --preflop profile's range (default semiloose) for each
opponent left, up to three; see the manual page for the keys and the verdicts.

Example:
  tavolin-report "Ad 7d" "3s 4c 5h" --pot 100 --villain-bet 50 --stack 500 --preflop nit

Exit codes: 0 done; 2 a usage error, rejected cards, an unreadable range, a journal that cannot be
read or a hand-history file that cannot be opened (the reason on standard error).
)";

} // namespace tavolin::cli
