#include "ui/equity_panel.h"

#include "cards/card_text.h"
#include "ui/study_style.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <vector>

namespace tavolin {

// Win, tie and lose as one horizontal bar, with a tick where the rule of thumb stands (none below 0).
class EquityBar : public QWidget {
public:
    explicit EquityBar(QWidget* parent) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setToolTip(tr("Green: win, yellow: tie, grey: lose; the black tick is the rule of thumb"));
    }
    void setShares(double win, double tie, double ruleOfThumb) {
        Win = win;
        Tie = tie;
        RuleOfThumb = ruleOfThumb;
        update();
    }
    QSize sizeHint() const override { return {120, 14}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF bar = QRectF(rect()).adjusted(1, 2, -1, -2);
        QPainterPath outline;
        outline.addRoundedRect(bar, 3, 3);
        painter.setClipPath(outline);
        painter.fillRect(bar, QColor(222, 226, 230));
        const double winWidth = bar.width() * Win;
        painter.fillRect(QRectF(bar.left(), bar.top(), winWidth, bar.height()), QColor(46, 125, 50));
        painter.fillRect(QRectF(bar.left() + winWidth, bar.top(), bar.width() * Tie, bar.height()),
                         QColor(240, 180, 41));
        painter.setClipping(false);
        if (RuleOfThumb < 0.0) return;
        const double tick = bar.left() + bar.width() * std::clamp(RuleOfThumb, 0.0, 1.0);
        painter.setPen(QPen(QColor(25, 25, 25), 2));
        painter.drawLine(QPointF(tick, 0), QPointF(tick, height()));
    }

private:
    double Win = 0.0;
    double Tie = 0.0;
    double RuleOfThumb = 0.0;
};

namespace {

const QString kSuitSymbols = QStringLiteral("\u2660\u2665\u2663\u2666"); // s h c d

// The cards of a mask, best rank first, as rich text with red hearts and diamonds.
QString cardsText(equity::CardMask cards) {
    std::vector<Card> list;
    for (const Card card : cardsIn(cards))
        list.push_back(card);
    std::sort(list.begin(), list.end(),
              [](Card a, Card b) { return a.rank() != b.rank() ? a.rank() > b.rank() : a < b; });
    QStringList names;
    for (const Card card : list) {
        const QString rank(QChar::fromLatin1(rankLetter(card.rank())));
        const int suit = card.suit();
        const QString colour = suit == 1 || suit == 3 ? QStringLiteral("#c62828") : QStringLiteral("#202428");
        names << QStringLiteral("%1<span style=\"color:%2\">%3</span>").arg(rank, colour, kSuitSymbols[suit]);
    }
    return names.join(QStringLiteral("&nbsp; "));
}

QString countText(double value) {
    return value == std::round(value) ? QString::number(static_cast<long long>(value))
                                      : QString::number(value);
}

const equity::HoldingWeights& randomHand() {
    static const equity::HoldingWeights kAny = equity::anyTwoCards();
    return kAny;
}

QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QStringLiteral("100.0%")));
    return label;
}

QLabel* noteLabel(QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(parent);
    // Wrapping lets a long range name or note take a second line rather than widen the column.
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette grey = label->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 102, 110));
    label->setPalette(grey);
    return label;
}

constexpr int kOutCardsListed = 24;

} // namespace

EquityPanel::EquityPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("equityPanel"));
    study::usePaperLook(this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(2, 1);
    grid->addWidget(study::titleLabel(tr("Exact equity"), this), 0, 0, 1, 3);

    lblHint = noteLabel(this);
    lblHint->setText(tr("Shown with the report, from the flop on."));
    grid->addWidget(lblHint, 1, 0, 1, 3);
    Random = addRow(2, QStringLiteral("Random"));
    Versus = addRow(4, QStringLiteral("Range"));
    grid->setRowMinimumHeight(12, 6);
    HeroRange = addRow(13, QStringLiteral("HeroRange"));

    lblRuleCaption = new QLabel(tr("Rule of thumb"), this);
    lblRuleCaption->setToolTip(tr("The report's PER(AI), estimated from the outs"));
    lblRule = valueLabel(this);
    lblRule->setObjectName(QStringLiteral("lblRuleOfThumb"));
    lblRuleNote = noteLabel(this, Qt::AlignRight);
    grid->setRowMinimumHeight(6, 4);
    grid->addWidget(lblRuleCaption, 7, 0);
    grid->addWidget(lblRule, 7, 1);
    grid->addWidget(lblRuleNote, 8, 0, 1, 3);

    lblOuts = new QLabel(this);
    lblOuts->setObjectName(QStringLiteral("lblTrueOuts"));
    lblOuts->setWordWrap(true);
    lblOutCards = new QLabel(this);
    lblOutCards->setObjectName(QStringLiteral("lblTrueOutCards"));
    lblOutCards->setTextFormat(Qt::RichText);
    lblOutCards->setWordWrap(true);
    grid->setRowMinimumHeight(9, 4);
    grid->addWidget(lblOuts, 10, 0, 1, 3);
    grid->addWidget(lblOutCards, 11, 0, 1, 3);
    clear();
}

EquityPanel::EquityRow EquityPanel::addRow(int row, const QString& objectName) {
    auto* grid = static_cast<QGridLayout*>(layout());
    EquityRow line{new QLabel(this), valueLabel(this), new EquityBar(this), noteLabel(this, Qt::AlignRight)};
    line.Caption->setTextFormat(Qt::PlainText);
    line.Caption->setObjectName(QStringLiteral("lblCaption") + objectName);
    line.Value->setObjectName(QStringLiteral("lblEquity") + objectName);
    line.Shares->setObjectName(QStringLiteral("lblShares") + objectName);
    grid->addWidget(line.Caption, row, 0);
    grid->addWidget(line.Value, row, 1);
    grid->addWidget(line.Bar, row, 2);
    grid->addWidget(line.Shares, row + 1, 0, 1, 3);
    return line;
}

void EquityPanel::clear() {
    NextCard = {};
    for (QWidget* part :
         std::initializer_list<QWidget*>{Random.Caption, Random.Bar, Versus.Caption, Versus.Bar,
                                         HeroRange.Caption, HeroRange.Bar, lblRuleCaption, lblRuleNote})
        part->hide();
    for (QLabel* value : {Random.Value, Random.Shares, Versus.Value, Versus.Shares, HeroRange.Value,
                          HeroRange.Shares, lblRule, lblOuts, lblOutCards}) {
        value->clear();
        value->hide();
    }
    lblHint->show();
}

void EquityPanel::showSpot(equity::CardMask hero, equity::CardMask board, const equity::HoldingWeights& range,
                           const QString& rangeName, double ruleOfThumbPercent, double ruleOfThumbOuts) {
    const VillainRange villain{range, rangeName};
    showSpot(hero, board, std::span(&villain, 1), ruleOfThumbPercent, ruleOfThumbOuts);
}

void EquityPanel::showSpot(equity::CardMask hero, equity::CardMask board,
                           std::span<const VillainRange> villains, double ruleOfThumbPercent,
                           double ruleOfThumbOuts, const equity::HoldingEquities* shares) {
    if (villains.empty()) {
        clear();
        return;
    }
    const equity::HoldingWeights& range = villains.front().Range;
    const QString& rangeName = villains.front().Name;
    const equity::EquityResult random = equity::exactEquity(hero, board, randomHand());
    if (random.Holdings == 0) {
        clear();
        return;
    }
    // Without outs the report's rule of thumb prices no draw, so it has nothing to set beside the equity.
    const bool noDraw = ruleOfThumbOuts <= 0.0;
    const double ruleOfThumb = noDraw ? -1.0 : ruleOfThumbPercent / 100.0;
    lblHint->hide();
    showRow(Random, tr("vs a random hand"), random, ruleOfThumb);

    const std::optional<equity::EquityResult> known =
        shares != nullptr && villains.size() == 1 ? equity::equityAgainst(*shares, range) : std::nullopt;
    equity::EquityResult versus = known ? *known : equity::exactEquity(hero, board, range);
    QString opponent = versus.Holdings > 0 ? rangeName : tr("a random hand");
    if (villains.size() > 1) {
        QStringList names;
        for (const VillainRange& villain : villains)
            names << villain.Name;
        const QString caption =
            tr("vs %1 villains: %2").arg(villains.size()).arg(names.join(QStringLiteral(", ")));
        const equity::MultiwayEquity& all = multiway(hero, board, villains);
        if (all.Samples == 0) {
            showNoHoldings(Versus, caption, tr("no deal gives every villain a live holding"));
        } else {
            versus = {all.Win, all.Tie, 1.0 - all.Win - all.Tie, all.Equity, 1, 0.0, 0};
            opponent = tr("%1 villains").arg(villains.size());
            showRow(Versus, caption, versus, ruleOfThumb);
            const QString how =
                all.Exact ? tr("exact, every deal counted")
                          : tr("sampled: %1 deals, standard error %2 points")
                                .arg(study::holdingsText(static_cast<double>(all.Samples), Separator),
                                     study::decimalText(all.StdError * 100.0, 2, Separator));
            Versus.Shares->setText(Versus.Shares->text() + QStringLiteral(" \u00b7 ") + how);
        }
    } else if (versus.Holdings == 0) {
        showNoHoldings(Versus, tr("vs %1").arg(rangeName), tr("no live holdings in the range"));
    } else {
        showRow(Versus, tr("vs %1").arg(rangeName), versus, ruleOfThumb);
        Versus.Shares->setText(Versus.Shares->text() + QStringLiteral(" \u00b7 ") +
                               tr("%1 live holdings").arg(study::holdingsText(versus.Weight, Separator)));
    }

    lblRule->setText(study::percentText(ruleOfThumbPercent / 100.0, 1, Separator));
    const bool versusRange = versus.Holdings > 0;
    const double exact = versusRange ? versus.Equity : random.Equity;
    // From the figures as shown, so that the note adds up with them.
    const auto shown = [](double share) { return std::round(share * 1000.0) / 10.0; };
    const double gap = std::round((shown(ruleOfThumb) - shown(exact)) * 10.0) / 10.0;
    if (noDraw)
        lblRuleNote->setText(tr("no outs counted: the rule of thumb prices draws, not made hands"));
    else if (gap == 0.0)
        lblRuleNote->setText(tr("the same as the exact equity vs %1").arg(opponent));
    else
        lblRuleNote->setText(tr("%1 points %2 the exact equity vs %3")
                                 .arg(study::decimalText(std::abs(gap), 1, Separator),
                                      gap > 0 ? tr("above") : tr("below"), opponent));
    for (QWidget* part : std::initializer_list<QWidget*>{lblRuleCaption, lblRule, lblRuleNote})
        part->show();

    const bool firstLive = villains.size() == 1 ? versusRange : equity::liveWeight(range, hero | board) > 0.0;
    NextCard = firstLive ? equity::nextCardEquities(hero, board, range) : equity::NextCardEquities{};
    showOuts(rangeName, ruleOfThumbOuts);
}

void EquityPanel::showNoHoldings(const EquityRow& row, const QString& caption, const QString& why) {
    row.Caption->setText(caption);
    row.Caption->show();
    row.Bar->hide();
    row.Value->clear();
    row.Value->show();
    row.Shares->setText(why);
    row.Shares->show();
}

const equity::MultiwayEquity& EquityPanel::multiway(equity::CardMask hero, equity::CardMask board,
                                                    std::span<const VillainRange> villains) {
    MultiwaySpot spot{hero, board, {}};
    for (const VillainRange& villain : villains)
        spot.Villains.push_back(villain.Range);
    if (!(spot == LastMultiway) || Multiway.Villains == 0) {
        Multiway = equity::multiwayEquity(hero, board, spot.Villains);
        LastMultiway = std::move(spot);
    }
    return Multiway;
}

void EquityPanel::showHeroRange(const equity::RangeEquity& figures, const QString& villainName) {
    if (figures.HeroHoldings == 0 || Random.Value->text().isEmpty()) {
        for (QWidget* part : std::initializer_list<QWidget*>{HeroRange.Caption, HeroRange.Value,
                                                             HeroRange.Bar, HeroRange.Shares})
            part->hide();
        return;
    }
    const equity::EquityResult whole{figures.Win, figures.Tie, figures.Lose, figures.Equity, 1, 0.0, 0};
    showRow(HeroRange, tr("Hero range vs %1").arg(villainName), whole, -1.0);
    HeroRange.Shares->setText(HeroRange.Shares->text() + QStringLiteral(" \u00b7 ") +
                              tr("%1 hero holdings").arg(study::holdingsText(figures.HeroWeight, Separator)));
}

void EquityPanel::showRow(const EquityRow& row, const QString& caption, const equity::EquityResult& result,
                          double ruleOfThumb) {
    row.Caption->setText(caption);
    row.Value->setText(study::percentText(result.Equity, 1, Separator));
    row.Bar->setShares(result.Win, result.Tie, ruleOfThumb);
    row.Shares->setText(
        tr("win %1 \u00b7 tie %2")
            .arg(study::percentText(result.Win, 1, Separator), study::percentText(result.Tie, 1, Separator)));
    for (QWidget* part : std::initializer_list<QWidget*>{row.Caption, row.Value, row.Bar, row.Shares})
        part->show();
}

void EquityPanel::showOuts(const QString& rangeName, double ruleOfThumbOuts) {
    if (NextCard.Unseen == 0) {
        lblOuts->hide();
        lblOutCards->hide();
        return;
    }
    const equity::TrueOuts outs = equity::trueOuts(NextCard);
    const int count = std::popcount(outs.Cards);
    const QString name = rangeName.toHtmlEscaped();
    const QString rule = countText(ruleOfThumbOuts);
    if (!outs.Ahead)
        lblOuts->setText(tr("<b>True outs vs %1: %2</b> (rule of thumb: %3)").arg(name).arg(count).arg(rule));
    else if (count == 0)
        lblOuts->setText(
            tr("<b>Ahead of %1:</b> no next card puts you behind (rule of thumb outs: %2)").arg(name, rule));
    else
        lblOuts->setText(
            tr("<b>Ahead of %1:</b> %2 would put you behind (rule of thumb outs: %3)")
                .arg(name, count == 1 ? tr("1 next card") : tr("%1 next cards").arg(count), rule));
    lblOuts->show();
    lblOutCards->setText(count > 0 && count <= kOutCardsListed ? cardsText(outs.Cards) : QString());
    lblOutCards->setVisible(!lblOutCards->text().isEmpty());
}

} // namespace tavolin
