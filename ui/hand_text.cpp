#include "ui/hand_text.h"

#include "cards/card_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace tavolin {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("tavolin::HandText", text);
}

const QString kHole = QStringLiteral("Hole");
const QString kBoard = QStringLiteral("Board");
const std::array<QString, 4> kAmountKeys{QStringLiteral("Pot"), QStringLiteral("Hero's bet"),
                                         QStringLiteral("Villain's bet"), QStringLiteral("Stack")};
const QString kPreflop = QStringLiteral("Preflop");
const QString kPostflop = QStringLiteral("Postflop");
const QString kCounted = QStringLiteral("Better villain hands counted");

// Amounts are quoted when they hold a blank, a bar or a quote, so that any text the box held comes back.
QString quoted(const QString& value) {
    static const QRegularExpression needsQuotes(QStringLiteral(R"([\s|"\\])"));
    if (!value.contains(needsQuotes)) return value;
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString unquoted(const QString& value) {
    if (value.size() < 2 || !value.startsWith(u'"') || !value.endsWith(u'"')) return value;
    QString plain;
    for (qsizetype i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == u'\\' && i + 2 < value.size()) ++i;
        plain += value[i];
    }
    return plain;
}

// The fields of a line, split at bars outside quotes.
QStringList fields(const QString& line) {
    QStringList parts{QString()};
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (inQuotes && c == u'\\' && i + 1 < line.size()) {
            parts.back() += c;
            parts.back() += line[++i];
            continue;
        }
        if (c == u'"') inQuotes = !inQuotes;
        if (c == u'|' && !inQuotes)
            parts << QString();
        else
            parts.back() += c;
    }
    for (QString& part : parts)
        part = part.trimmed();
    return parts;
}

// One card at `at` of a token, in either letter case, "10" for a ten; moves `at` past it.
std::optional<Card> cardAt(const QString& token, qsizetype& at) {
    const auto letter = [&](qsizetype i) { return i < token.size() ? token[i].toLatin1() : '\0'; };
    const bool ten = letter(at) == '1' && letter(at + 1) == '0';
    const auto rank = ten ? std::optional(10) : rankOfLetter(letter(at));
    const qsizetype suitAt = at + (ten ? 2 : 1);
    const auto suit = suitOfLetter(letter(suitAt));
    if (!rank || !suit) return std::nullopt;
    at = suitAt + 1;
    return Card(*rank, *suit);
}

// Cards in order: "Ah", "ah", "AH", "10h" and cards written together ("AhKh") all read.
std::optional<std::vector<Card>> cardsIn(const QString& text, QString& error) {
    std::vector<Card> cards;
    for (const QString& token :
         text.split(QRegularExpression(QStringLiteral("[\\s,;\\-]+")), Qt::SkipEmptyParts)) {
        qsizetype at = 0;
        while (at < token.size()) {
            const auto card = cardAt(token, at);
            if (!card) {
                error = tr("\"%1\" is not a card").arg(token);
                return std::nullopt;
            }
            cards.push_back(*card);
        }
    }
    return cards;
}

QString namesOf(const std::vector<Card>& cards) {
    QStringList names;
    for (const Card card : cards)
        names << QString::fromStdString(cardName(card));
    return names.join(u' ');
}

bool startsWithKey(const QString& field, const QString& key) {
    return field.startsWith(key, Qt::CaseInsensitive) &&
           (field.size() == key.size() || field[key.size()].isSpace());
}

// A hand-history fragment: the hole cards from "Dealt to Hero [Ah Kh]", the board from the latest street
// line ("*** TURN *** [Qh 7d 2c] [5s]") and a pot where a street line gives one ("... (Pot: 120)").
// nullopt when the text has no such line.
std::optional<TableSetup> historyFragment(const QString& text, QString& error) {
    static const QRegularExpression kDealt(QStringLiteral("^Dealt to .*\\[([^\\]]*)\\]"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kStreet(QStringLiteral("^\\*\\*\\* (FLOP|TURN|RIVER) \\*\\*\\*(.*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kBrackets(QStringLiteral("\\[([^\\]]*)\\]"));
    static const QRegularExpression kPot(QStringLiteral("pot:?\\s*[^\\d\\s]?([\\d.,]+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    TableSetup hand;
    bool found = false;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (const auto dealt = kDealt.match(line); dealt.hasMatch()) {
            const auto cards = cardsIn(dealt.captured(1), error);
            if (!cards) return std::nullopt;
            hand.Hole = *cards;
            found = true;
        } else if (const auto street = kStreet.match(line); street.hasMatch()) {
            hand.Board.clear();
            for (auto group = kBrackets.globalMatch(street.captured(2)); group.hasNext();) {
                const auto cards = cardsIn(group.next().captured(1), error);
                if (!cards) return std::nullopt;
                hand.Board.insert(hand.Board.end(), cards->begin(), cards->end());
            }
            if (const auto pot = kPot.match(street.captured(2)); pot.hasMatch()) {
                hand.Amounts.emplace();
                (*hand.Amounts)[0] = pot.captured(1).toStdString();
            }
            found = true;
        }
    }
    if (!found) return std::nullopt;
    return hand;
}

} // namespace

QString handLine(const TableState& table, const ProfileNames& names) {
    std::vector<Card> hole;
    std::vector<Card> board;
    for (std::size_t i = 0; i < table.Places.size(); ++i)
        if (table.Places[i]) (i < kHolePlaceCount ? hole : board).push_back(*table.Places[i]);
    QStringList parts;
    if (!hole.empty()) parts << kHole + u' ' + namesOf(hole);
    if (!board.empty()) parts << kBoard + u' ' + namesOf(board);
    for (std::size_t i = 0; i < kAmountKeys.size(); ++i) {
        const QString amount = QString::fromStdString(table.Amounts[i]);
        if (!amount.isEmpty()) parts << kAmountKeys[i] + u' ' + quoted(amount);
    }
    parts << kPreflop + u' ' + names.Preflop.value(table.Preflop);
    parts << kPostflop + u' ' + names.Postflop.value(table.Postflop);
    if (table.CountVillain) parts << kCounted;
    return parts.join(QStringLiteral(" | "));
}

std::optional<TableSetup> readHand(const QString& text, const ProfileNames& names, QString& error) {
    const QString line = text.trimmed().section(u'\n', 0, 0).trimmed();
    auto fragment = historyFragment(text, error);
    if (!fragment && !error.isEmpty()) return std::nullopt;
    TableSetup hand = fragment.value_or(TableSetup{});
    const QStringList parts = fragment ? QStringList{} : fields(line);
    const bool structured = std::any_of(parts.begin(), parts.end(), [](const QString& f) {
        return startsWithKey(f, kHole) || startsWithKey(f, kBoard) || startsWithKey(f, kPreflop);
    });
    if (!fragment && !structured) {
        const auto cards = cardsIn(line, error);
        if (!cards) return std::nullopt;
        const auto holeEnd = cards->begin() + std::min<std::ptrdiff_t>(2, std::ssize(*cards));
        hand.Hole.assign(cards->begin(), holeEnd);
        hand.Board.assign(holeEnd, cards->end());
    } else if (structured) {
        hand.Amounts.emplace();
        hand.CountVillain = false;
        for (const QString& field : parts) {
            const auto valueAfter = [&](const QString& key) {
                return unquoted(field.mid(key.size()).trimmed());
            };
            for (const auto& [key, target] :
                 {std::pair{&kHole, &hand.Hole}, std::pair{&kBoard, &hand.Board}}) {
                if (!startsWithKey(field, *key)) continue;
                const auto cards = cardsIn(valueAfter(*key), error);
                if (!cards) return std::nullopt;
                *target = std::move(*cards);
            }
            for (std::size_t i = 0; i < kAmountKeys.size(); ++i)
                if (startsWithKey(field, kAmountKeys[i]))
                    (*hand.Amounts)[i] = valueAfter(kAmountKeys[i]).toStdString();
            if (startsWithKey(field, kPreflop) && names.Preflop.contains(valueAfter(kPreflop)))
                hand.Preflop = static_cast<int>(names.Preflop.indexOf(valueAfter(kPreflop)));
            if (startsWithKey(field, kPostflop) && names.Postflop.contains(valueAfter(kPostflop)))
                hand.Postflop = static_cast<int>(names.Postflop.indexOf(valueAfter(kPostflop)));
            if (startsWithKey(field, kCounted)) hand.CountVillain = true;
        }
    }
    CardMask all = 0;
    for (const auto* cards : {&hand.Hole, &hand.Board})
        for (const Card card : *cards)
            all |= card.mask();
    const std::size_t count = hand.Hole.size() + hand.Board.size();
    if (count == 0 && !structured && !fragment)
        error = tr("no cards in it");
    else if (hand.Hole.size() > 2 || count > 7)
        error = tr("more than two hole cards or five board cards");
    else if (static_cast<std::size_t>(cardCount(all)) != count)
        error = tr("a card appears twice");
    else
        return hand;
    return std::nullopt;
}

} // namespace tavolin
