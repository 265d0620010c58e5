#pragma once

// The table as a value, and a hand as one readable line of text that Copy writes and Paste reads back.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tavolin {

// Everything the player set on the table.
struct TableSnapshot {
    std::array<QString, 7> Slots; // the card on each slot, "" for a free one
    std::array<QString, 4> Amounts;
    int Preflop = 1;
    int Postflop = 1;
    bool CountVillain = false;
    bool ReportShown = true;
};

// A hand to set up: its cards, and whatever else the text named (the rest of the table stays as it is).
struct HandSetup {
    QStringList Hole;
    QStringList Board;
    std::optional<std::array<QString, 4>> Amounts;
    std::optional<int> Preflop;
    std::optional<int> Postflop;
    std::optional<bool> CountVillain;
    std::optional<bool> ReportShown;
};

// The profile names of the two villain boxes, in index order.
struct ProfileNames {
    QStringList Preflop;
    QStringList Postflop;
};

// "Hole Ah Kh | Board Qh 7h 2c | Pot 100 | Villain's bet 50 | Stack 500 | Preflop 2-Semiloose | ..."
QString handLine(const TableSnapshot& table, const ProfileNames& names);

// Reads such a line (the first line of the text), or plain card text such as "Ah Kh Qh 7h 2c" (hole cards
// first). Without a hand in it: nullopt, and `error` says why.
std::optional<HandSetup> readHand(const QString& text, const ProfileNames& names, QString& error);

} // namespace tavolin
