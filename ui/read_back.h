#pragma once

// Says back to the player how the table reads their input: the value each amount was read as when the
// text does not read as it looks, why the pot-odds lines are left out, and what the table waits for.

#include <QString>
#include <array>

namespace tavolin {

// "" when the text reads as it looks (empty, or a plain number such as "12.5" or "-5"); otherwise what the
// analysis reads it as: "read as 1" for "1,000", "read as 10050" for "100 50".
QString amountReadBack(const QString& text);

// Why the analysis leaves the pot-odds, SPR and commitment lines out of a report for these amount texts
// (pot, hero's bet, villain's bet, stack), in plain words; "" when it writes them. It asks the analysis'
// own reading of the amounts, so the status line follows the texts as they are typed.
QString potOddsMissing(const std::array<QString, 4>& amounts);

// What the table shows, for the status line under the report.
struct TableStatus {
    int HoleCards = 0;
    int BoardCards = 0;
    bool ReportShown = true;
    bool Practising = false;
    bool ReportEmpty = true;
    QString TypedRank; // a rank typed and waiting for its suit, or "1" waiting for the "0" of a ten
    std::array<QString, 4> Amounts;
};

// One or two short sentences: the next thing to pick or type, then how odd input was read.
QString tableStatus(const TableStatus& state);

} // namespace tavolin
