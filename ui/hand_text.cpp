#include "ui/hand_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
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

// Card texts in order: "Ah", "ah", "AH", "10h" and cards written together ("AhKh") all read.
std::optional<QStringList> cardsIn(const QString& text, QString& error) {
    static const QRegularExpression card(QStringLiteral("(10|[2-9TJQKAtjqka])([shcdSHCD])"));
    QStringList cards;
    for (const QString& token :
         text.split(QRegularExpression(QStringLiteral("[\\s,;\\-]+")), Qt::SkipEmptyParts)) {
        qsizetype at = 0;
        while (at < token.size()) {
            const auto match = card.match(token, at, QRegularExpression::NormalMatch,
                                          QRegularExpression::AnchorAtOffsetMatchOption);
            if (!match.hasMatch()) {
                error = tr("\"%1\" is not a card").arg(token);
                return std::nullopt;
            }
            const QString rank =
                match.captured(1) == QStringLiteral("10") ? QStringLiteral("T") : match.captured(1).toUpper();
            cards << rank + match.captured(2).toLower();
            at = match.capturedEnd();
        }
    }
    return cards;
}

bool startsWithKey(const QString& field, const QString& key) {
    return field.startsWith(key, Qt::CaseInsensitive) &&
           (field.size() == key.size() || field[key.size()].isSpace());
}

} // namespace

QString handLine(const TableSnapshot& table, const ProfileNames& names) {
    QStringList hole;
    QStringList board;
    for (int i = 0; i < 7; ++i)
        if (!table.Slots[i].isEmpty()) (i < 2 ? hole : board) << table.Slots[i];
    QStringList parts;
    if (!hole.isEmpty()) parts << kHole + u' ' + hole.join(u' ');
    if (!board.isEmpty()) parts << kBoard + u' ' + board.join(u' ');
    for (int i = 0; i < 4; ++i)
        if (!table.Amounts[i].isEmpty()) parts << kAmountKeys[i] + u' ' + quoted(table.Amounts[i]);
    parts << kPreflop + u' ' + names.Preflop.value(table.Preflop);
    parts << kPostflop + u' ' + names.Postflop.value(table.Postflop);
    if (table.CountVillain) parts << kCounted;
    return parts.join(QStringLiteral(" | "));
}

std::optional<HandSetup> readHand(const QString& text, const ProfileNames& names, QString& error) {
    const QString line = text.trimmed().section(u'\n', 0, 0).trimmed();
    HandSetup hand;
    const QStringList parts = fields(line);
    const bool structured = std::any_of(parts.begin(), parts.end(), [](const QString& f) {
        return startsWithKey(f, kHole) || startsWithKey(f, kBoard) || startsWithKey(f, kPreflop);
    });
    if (!structured) {
        const auto cards = cardsIn(line, error);
        if (!cards) return std::nullopt;
        hand.Hole = cards->mid(0, 2);
        hand.Board = cards->mid(2);
    } else {
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
                *target = *cards;
            }
            for (int i = 0; i < 4; ++i)
                if (startsWithKey(field, kAmountKeys[i])) (*hand.Amounts)[i] = valueAfter(kAmountKeys[i]);
            if (startsWithKey(field, kPreflop) && names.Preflop.contains(valueAfter(kPreflop)))
                hand.Preflop = static_cast<int>(names.Preflop.indexOf(valueAfter(kPreflop)));
            if (startsWithKey(field, kPostflop) && names.Postflop.contains(valueAfter(kPostflop)))
                hand.Postflop = static_cast<int>(names.Postflop.indexOf(valueAfter(kPostflop)));
            if (startsWithKey(field, kCounted)) hand.CountVillain = true;
        }
    }
    const QStringList all = hand.Hole + hand.Board;
    if (all.isEmpty() && !structured)
        error = tr("no cards in it");
    else if (hand.Hole.size() > 2 || all.size() > 7)
        error = tr("more than two hole cards or five board cards");
    else if (QSet<QString>(all.begin(), all.end()).size() != all.size())
        error = tr("a card appears twice");
    else
        return hand;
    return std::nullopt;
}

} // namespace tavolin
