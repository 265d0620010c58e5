#pragma once

#include "equity/next_card.h"

#include <QString>
#include <QWidget>

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

    QLabel* lblHint;
    EquityRow Random;
    EquityRow Versus;
    QLabel* lblRuleCaption;
    QLabel* lblRule;
    QLabel* lblRuleNote;
    QLabel* lblOuts;
    QLabel* lblOutCards;

    equity::NextCardEquities NextCard;
    QString Separator = QStringLiteral(".");
};

} // namespace tavolin
