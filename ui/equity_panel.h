#pragma once

#include "equity/holding_equities.h"
#include "equity/multiway_equity.h"
#include "equity/next_card.h"
#include "equity/range_equity.h"
#include "ui/villains_panel.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <span>
#include <vector>

class QLabel;

namespace tavolin {

class EquityBar;

// The hero's exact equity against a random hand and against the villain's range, beside the report's rule
// of thumb (its PER(AI) and its outs), and on the flop and turn the true outs against the range.
class EquityPanel : public QWidget {
    Q_OBJECT
public:
    explicit EquityPanel(QWidget* parent = nullptr);

    // `ruleOfThumbPercent` is the report's PER(AI) in percent, `ruleOfThumbOuts` its outs. A spot without two
    // hole cards and three to five board cards empties the panel.
    void showSpot(equity::CardMask hero, equity::CardMask board, const equity::HoldingWeights& range,
                  const QString& rangeName, double ruleOfThumbPercent, double ruleOfThumbOuts);
    // Against one to three villains: with more than one, the range line holds the multiway figure, exact or
    // sampled, and the true outs stay against the first villain. `shares`, holdingEquities on this spot
    // against a range holding the lone villain's, gives his line without enumerating again.
    void showSpot(equity::CardMask hero, equity::CardMask board, std::span<const VillainRange> villains,
                  double ruleOfThumbPercent, double ruleOfThumbOuts,
                  const equity::HoldingEquities* shares = nullptr);
    // The hero's whole range against the villain's; figures with HeroHoldings == 0 hide the line.
    void showHeroRange(const equity::RangeEquity& figures, const QString& villainName);
    void clear();

    void setDecimalSeparator(const QString& separator) { Separator = separator; }

    // The hero's equity with each next card against the range, from the last spot shown (Unseen == 0 on the
    // river and after clear()).
    const equity::NextCardEquities& nextCard() const { return NextCard; }

private:
    struct EquityRow {
        QLabel* Caption;
        QLabel* Value;
        EquityBar* Bar;
        QLabel* Shares;
    };
    EquityRow addRow(int row, const QString& objectName);
    void showRow(const EquityRow& row, const QString& caption, const equity::EquityResult& result,
                 double ruleOfThumb);
    void showOuts(const QString& rangeName, double ruleOfThumbOuts);
    void showNoHoldings(const EquityRow& row, const QString& caption, const QString& why);
    const equity::MultiwayEquity& multiway(equity::CardMask hero, equity::CardMask board,
                                           std::span<const VillainRange> villains);

    QLabel* lblHint;
    EquityRow Random;
    EquityRow Versus;
    EquityRow HeroRange;
    QLabel* lblRuleCaption;
    QLabel* lblRule;
    QLabel* lblRuleNote;
    QLabel* lblOuts;
    QLabel* lblOutCards;

    equity::NextCardEquities NextCard;
    // The last multiway figure and what it was worked out for: sampling takes up to a tenth of a second.
    struct MultiwaySpot {
        equity::CardMask Hero = 0;
        equity::CardMask Board = 0;
        std::vector<equity::HoldingWeights> Villains;
        bool operator==(const MultiwaySpot&) const = default;
    };
    MultiwaySpot LastMultiway;
    equity::MultiwayEquity Multiway;
    QString Separator = QStringLiteral(".");
};

} // namespace tavolin
