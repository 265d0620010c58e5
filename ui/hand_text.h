#pragma once

// A hand as one readable line of text that Copy writes and Paste reads back.

#include "table/table.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tavolin {

// The profile names of the two villain boxes, in index order.
struct ProfileNames {
    QStringList Preflop;
    QStringList Postflop;
};

// "Hole Ah Kh | Board Qh 7h 2c | Pot 100 | Villain's bet 50 | Stack 500 | Preflop 2-Semiloose | ..."
QString handLine(const TableState& table, const ProfileNames& names);

// Reads such a line (the first line of the text), or plain card text such as "Ah Kh Qh 7h 2c" (hole cards
// first). Without a hand in it: nullopt, and `error` says why.
std::optional<TableSetup> readHand(const QString& text, const ProfileNames& names, QString& error);

} // namespace tavolin
