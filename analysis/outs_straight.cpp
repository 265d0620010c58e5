#include "analysis/outs_stages.h"

#include <array>
#include <string_view>

namespace tavolin {

namespace {

constexpr int kLowestWindow = 1;   // A-2-3-4-5
constexpr int kHighestWindow = 10; // T-J-Q-K-A

enum class BoardClass { Clean, PairOrFlush, PairAndFlush, DoublePaired, FourFlush, Other };

// Columns of the outcome tables: the first open project, a lower open one after it, a closed one.
enum class Column { OpenFirst, OpenSecond, Closed };

struct ProjectRule {
    float Outs = 0.0f;
    std::string_view Line;
    // When set and the idiot flag is up, this line is written for nothing instead and the flag comes down.
    std::string_view IdiotLine;
    bool ClearsIdiot = false;
};

constexpr ProjectRule plain(float outs, std::string_view line) {
    return {outs, line, {}, false};
}

constexpr ProjectRule idiotAware(float outs, std::string_view line, std::string_view idiotLine) {
    return {outs, line, idiotLine, false};
}

constexpr ProjectRule clearingIdiot(float outs, std::string_view line) {
    return {outs, line, {}, true};
}

using ClassRules = std::array<ProjectRule, 3>; // indexed by Column

constexpr std::array<ClassRules, 4> kTwoCardRules{{
    {{
        plain(8.0f,
              "Open straight project with 2 cards on hand and no pair or flush project on board (8 Outs)"),
        plain(4.0f, "Lower open straight project with 2 cards on hand and no pair or flush project on board "
                    "(4 Outs)"),
        plain(4.0f,
              "Closed straight project with 2 cards on hand and no pair or flush project on board (4 Outs)"),
    }},
    {{
        plain(6.0f, "Open straight project with 2 cards on hand and pair or flush project on board (6 Outs)"),
        plain(3.0f,
              "Lower open straight project with 2 cards on hand and pair or flush project on board (3 Outs)"),
        plain(3.0f,
              "Closed straight project with 2 cards on hand and pair or flush project on board (3 Outs)"),
    }},
    {{
        plain(4.0f, "Open straight project with 2 cards on hand and pair and flush project or 3 suited cards "
                    "on board (4 Outs)"),
        plain(2.0f, "Lower open straight project with 2 cards on hand and pair and flush project or 3 suited "
                    "cards on board (2 Outs)"),
        plain(2.0f,
              "Closed straight project with 2 cards on hand and pair and flush project or on board (2 Outs)"),
    }},
    {{
        plain(3.0f,
              "Open straight project with 2 cards on hand and pair and double pair or three of a kind on "
              "board (3 Outs)"),
        clearingIdiot(1.5f,
                      "Lower open straight project with 2 cards on hand and double pair or three of a kind "
                      "on board (1.5 Outs)"),
        idiotAware(
            1.5f,
            "Closed straight project with 2 cards on hand and and double pair or set on board on board "
            "(1.5 Outs)",
            "Closed straight project with 2 cards on hand and double pair or set on board and idiot "
            "straight(0 Outs)"),
    }},
}};

constexpr std::array<ClassRules, 3> kOneCardRules{{
    {{
        plain(6.0f,
              "Open straight project with 1 card on hand and no pair or flush project on board (6 Outs)"),
        plain(
            3.0f,
            "Lower open straight project with 1 card on hand and no pair or flush project on board (3 Outs)"),
        plain(3.0f,
              "Closed straight project with 1 card on hand and no pair or flush project on board (3 Outs)"),
    }},
    {{
        plain(5.0f, "Open straight project with 1 card on hand and pair or flush project on board (5 Outs)"),
        plain(
            2.5f,
            "Lower open straight project with 1 card on hand and pair or flush project on board (2.5 Outs)"),
        plain(2.5f,
              "Closed straight project with 1 card on hand and pair or flush project on board (2.5 Outs)"),
    }},
    {{
        plain(3.0f,
              "Open straight project with 1 card on hand and pair and flush project or 3 suited cards on "
              "board (3 Outs)"),
        idiotAware(
            1.5f,
            "Lower open straight project with 1 card on hand and pair and flush project or 3 suited cards "
            "on board (1.5 Outs)",
            "Lower open straight project with 1 card on hand and pair and flush project or 3 suited cards "
            "on board and idiot straight(0 Outs)"),
        idiotAware(
            1.5f,
            "Closed straight project with 1 card on hand and pair and flush project or 3 suited cards on "
            "board (1.5 Outs)",
            "Closed straight project with 1 card on hand and pair and flush project or 3 suited cards on "
            "board and idiot straight(0 Outs)"),
    }},
}};

struct StraightSweep {
    int Window = 0;
    int StraightProjects = 0;
    int GapOffset = 0;
    bool IdiotFlag = false;
    int MissingEnds = 0;
    int MissingInner = 0;
    int MissingRank = 0;
    bool HoleOnly = false;
    bool OnBoard = false;
    int HoleInWindow = 0;
    bool Ended = false;
    CardMask IdiotCards = 0; // the missing rank of the window that last raised the idiot flag
};

bool anySuitHolds(const CardMatrix& matrix, int rank) {
    for (int suit = 1; suit <= 4; ++suit)
        if (matrix[suit][rank] > 0) return true;
    return false;
}

// The ace closes window 1 at its bottom and window 10 at its top; those windows have no other end.
bool isEndPosition(int window, int rank) {
    return (rank == window && window != kHighestWindow) || (rank == window + 4 && window != kLowestWindow);
}

int endPositions(int window) {
    return window == kLowestWindow || window == kHighestWindow ? 1 : 2;
}

void scanWindow(const AnalysisContext& ctx, int window, StraightSweep& sweep) {
    sweep.Window = window;
    sweep.MissingEnds = endPositions(window);
    sweep.MissingInner = 5 - sweep.MissingEnds;
    sweep.HoleInWindow = 0;
    for (int rank = window + 4; rank >= window; --rank) {
        sweep.OnBoard = anySuitHolds(ctx.BoardMatrix, rank);
        sweep.HoleOnly = !sweep.OnBoard && anySuitHolds(ctx.HoleMatrix, rank);
        if (!sweep.OnBoard && !sweep.HoleOnly) {
            sweep.MissingRank = rank;
            continue;
        }
        if (isEndPosition(window, rank))
            --sweep.MissingEnds;
        else
            --sweep.MissingInner;
        if (sweep.HoleOnly) ++sweep.HoleInWindow;
    }
}

// The cards that fill a window lacking one rank. An open window's missing rank is one of its ends, and the
// four ranks it holds make a straight with the rank beyond their other end too: the line counts both ends,
// so both are marked.
CardMask completingCards(const AnalysisContext& ctx, const StraightSweep& sweep) {
    CardMask cards = unseenOfRank(ctx, sweep.MissingRank);
    if (sweep.MissingEnds == 1 && sweep.MissingInner == 0) {
        const int otherEnd = sweep.MissingRank == sweep.Window ? sweep.Window + 5 : sweep.Window - 1;
        cards |= unseenOfRank(ctx, otherEnd);
    }
    return cards;
}

BoardClass classifyBoard(const AnalysisContext& ctx, int holeInWindow) {
    const int pairing = ctx.BoardPairing;
    const bool flushProject = ctx.FlushProjects >= 1;
    if (pairing == 0 && ctx.FlushProjects == 0 && ctx.FlushCoor == 0) return BoardClass::Clean;
    if (ctx.FlushCoor == 0 && pairing < 2 && ((pairing == 1) != flushProject)) return BoardClass::PairOrFlush;
    if ((pairing == 1 && flushProject) || ctx.FlushCoor == 1) return BoardClass::PairAndFlush;
    if ((pairing == 2 || pairing == 4) && holeInWindow == 2) return BoardClass::DoublePaired;
    if (ctx.FlushCoor == 2) return BoardClass::FourFlush;
    return BoardClass::Other;
}

void applyRule(AnalysisContext& ctx, StraightSweep& sweep, const ProjectRule& rule) {
    const CardMask cards = completingCards(ctx, sweep);
    if (!rule.IdiotLine.empty() && sweep.IdiotFlag) {
        addOutsLine(ctx, rule.IdiotLine, 0.0f, cards);
        sweep.IdiotFlag = false;
        return;
    }
    addOutsLine(ctx, rule.Line, rule.Outs, cards);
    if (rule.ClearsIdiot) sweep.IdiotFlag = false;
}

void scoreTwoCardProject(AnalysisContext& ctx, StraightSweep& sweep, BoardClass board, bool open) {
    const int projects = sweep.StraightProjects;
    if (projects >= 2) return;
    const auto& rules = kTwoCardRules[static_cast<std::size_t>(board)];
    if (open) {
        applyRule(ctx, sweep,
                  rules[static_cast<std::size_t>(projects == 0 ? Column::OpenFirst : Column::OpenSecond)]);
        sweep.StraightProjects += 2;
        sweep.Ended = true;
        return;
    }
    applyRule(ctx, sweep, rules[static_cast<std::size_t>(Column::Closed)]);
    if (board == BoardClass::DoublePaired) {
        sweep.StraightProjects += 2;
        sweep.Ended = true;
    } else {
        sweep.StraightProjects += 1;
    }
}

void scoreOneCardProject(AnalysisContext& ctx, StraightSweep& sweep, BoardClass board, bool open) {
    const int projects = sweep.StraightProjects;
    const auto& rules = kOneCardRules[static_cast<std::size_t>(board)];
    if (open) {
        if (projects >= 2) return;
        applyRule(ctx, sweep,
                  rules[static_cast<std::size_t>(projects == 0 ? Column::OpenFirst : Column::OpenSecond)]);
        sweep.StraightProjects += projects == 0 ? 2 : 1;
        sweep.Ended = true;
        return;
    }
    if (projects >= 2) {
        if (projects == 2) sweep.IdiotFlag = false;
        sweep.Ended = true;
        return;
    }
    applyRule(ctx, sweep, rules[static_cast<std::size_t>(Column::Closed)]);
    sweep.StraightProjects += 1;
}

void scoreProject(AnalysisContext& ctx, StraightSweep& sweep) {
    const bool open = sweep.MissingEnds == 1;
    const BoardClass board = classifyBoard(ctx, sweep.HoleInWindow);
    switch (board) {
    case BoardClass::FourFlush:
        addOutsLine(ctx, "Straight project and extremely coordinated flush board(0 Outs)", 0.0f,
                    completingCards(ctx, sweep));
        sweep.Ended = true;
        return;
    case BoardClass::Other:
        return;
    default:
        break;
    }
    if (sweep.HoleInWindow == 2)
        scoreTwoCardProject(ctx, sweep, board, open);
    else
        scoreOneCardProject(ctx, sweep, board, open);
}

void examineWindow(AnalysisContext& ctx, int window, StraightSweep& sweep) {
    scanWindow(ctx, window, sweep);
    const int missing = sweep.MissingEnds + sweep.MissingInner;
    if (missing == 1 && sweep.HoleInWindow > 0) sweep.GapOffset = (window + 4) - sweep.MissingRank;

    // HoleOnly still describes the window's lowest rank: a lone hole card below three board ranks only makes
    // the low end of a straight. Nothing lies above the ace-high window, so it is never an idiot straight.
    if (missing == 1 && sweep.HoleOnly && ctx.StraightCoor == 1 && sweep.HoleInWindow == 1 &&
        window < kHighestWindow) {
        sweep.IdiotFlag = true;
        sweep.IdiotCards = unseenOfRank(ctx, sweep.MissingRank);
    } else if (sweep.MissingInner == 1 && sweep.MissingEnds == 0 && !sweep.HoleOnly &&
               ctx.StraightCoor == 2 && sweep.HoleInWindow == 0) {
        // Four board ranks around an inner gap beat any lower project of the hero.
        addOutsLine(ctx, "Higher closed straight project with 1 card on board (0 Outs)", 0.0f,
                    unseenOfRank(ctx, sweep.MissingRank));
        sweep.Ended = true;
        return;
    }

    if (missing == 1 && (sweep.HoleInWindow == 1 || sweep.HoleInWindow == 2)) scoreProject(ctx, sweep);
}

} // namespace

StraightSweepEnd estimateStraightOuts(AnalysisContext& ctx) {
    StraightSweep sweep;
    // Once a project has fixed the gap offset, every later step skips that many windows as well.
    for (int window = kHighestWindow; window >= kLowestWindow; window -= 1 + sweep.GapOffset) {
        examineWindow(ctx, window, sweep);
        if (sweep.Ended) break;
    }
    if (ctx.Outs >= 2.0f && sweep.IdiotFlag)
        addOutsLine(ctx, "Idiot straight (-2 Outs)", -2.0f, sweep.IdiotCards);
    const bool lacksOne = sweep.MissingEnds + sweep.MissingInner == 1;
    return {sweep.MissingEnds, sweep.MissingInner, sweep.HoleInWindow,
            lacksOne ? completingCards(ctx, sweep) : 0};
}

} // namespace tavolin
