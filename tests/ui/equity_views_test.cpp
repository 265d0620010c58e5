// The hero's range coloured by equity and the extra villains, read back as a player sees them and compared
// with figures worked out apart from the panels: one holding at a time, and the multiway engine.

#include "cards/card_text.h"
#include "equity/betting_range.h"
#include "equity/exact_equity.h"
#include "equity/kept_classes.h"
#include "ranges/profiles.h"
#include "ranges/range_text.h"
#include "ranges/starting_hands.h"
#include "tests/ui/table_probe.h"
#include "ui/board_range_table.h"
#include "ui/equity_panel.h"
#include "ui/hero_range_panel.h"
#include "ui/range_grid.h"
#include "ui/range_panel.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

using namespace tavolin;
using namespace tavolin::equity;
using testing::TableProbe;

namespace {

CardMask cardsMask(const char* text) {
    return *readCardList(text);
}

double shownPercent(const QLabel* label) {
    return label->text().section('%', 0, 0).replace(',', '.').toDouble() / 100.0;
}

bool sameColour(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1 &&
           std::abs(a.blue() - b.blue()) <= 1;
}

} // namespace

class EquityViewsTest : public QObject {
    Q_OBJECT

private slots:
    // Each cell's colour and the whole range's line match the holdings' equities one at a time, weighted by
    // the villain holdings each meets, on a dry, a two-tone and a paired flop.
    void heroGridFollowsEachHoldingsEquity() {
        HeroRangePanel panel;
        EquityPanel equityPanel;
        panel.resize(420, 520);
        panel.show();
        QTest::keyClicks(panel.findChild<QLineEdit*>("txtHeroRange"), QStringLiteral("99+, AJs+, KQo, 76s"));
        const HoldingWeights hero = ranges::readRange("99+, AJs+, KQo, 76s").Weights;
        QCOMPARE(panel.range(), hero);
        const HoldingWeights villain = ranges::profileRange(1);
        auto* grid = panel.findChild<RangeGrid*>("heroRangeGrid");
        for (const char* flop : {"Qs 7c 2h", "9h 8c 2h", "Ks Kd 7s"}) {
            const CardMask board = cardsMask(flop);
            panel.showSpot(board, villain);
            equityPanel.showSpot(cardsMask("Ac Jc"), board, villain, QStringLiteral("Semiloose"), 40.0, 0);
            equityPanel.showHeroRange(panel.figures(), QStringLiteral("Semiloose"));
            const QImage drawn = grid->grab().toImage();
            double rangeShare = 0.0;
            double rangeWeight = 0.0;
            for (int row = 0; row < RangeGrid::kSide; ++row) {
                for (int column = 0; column < RangeGrid::kSide; ++column) {
                    double share = 0.0;
                    double weight = 0.0;
                    int holdings = 0;
                    for (int a = 0; a < kDeckSize; ++a) {
                        for (int b = 0; b < a; ++b) {
                            const int index = holdingIndex(a, b);
                            const ranges::StartingHand hand = ranges::gridHand(row, column);
                            const CardMask cards = maskOf(a) | maskOf(b);
                            if (hero[index] == 0.0 || (cards & board) != 0 ||
                                std::max(cardRank(a), cardRank(b)) != hand.High ||
                                std::min(cardRank(a), cardRank(b)) != hand.Low ||
                                (hand.High != hand.Low && (cardSuit(a) == cardSuit(b)) != hand.Suited))
                                continue;
                            const EquityResult alone = exactEquity(cards, board, villain);
                            share += hero[index] * alone.Weight * alone.Equity;
                            weight += hero[index] * alone.Weight;
                            holdings += alone.Weight > 0.0;
                        }
                    }
                    rangeShare += share;
                    rangeWeight += weight;
                    if (weight == 0.0) continue;
                    const QPoint inside = grid->cellRect(row, column).topLeft() + QPoint(2, 2);
                    QVERIFY2(sameColour(drawn.pixelColor(inside), RangeGrid::equityColour(share / weight)),
                             flop);
                    if (row + column > 2) continue;
                    QHelpEvent hover(QEvent::ToolTip, inside, grid->mapToGlobal(inside));
                    QCoreApplication::sendEvent(grid, &hover);
                    QCOMPARE(QToolTip::text(), QStringLiteral("%1: %2 holdings, %3%")
                                                   .arg(QString::fromStdString(ranges::startingHandName(
                                                       ranges::gridHand(row, column))))
                                                   .arg(holdings)
                                                   .arg(100.0 * share / weight, 0, 'f', 1));
                }
            }
            QVERIFY(rangeWeight > 0.0);
            QCOMPARE_LE(std::abs(shownPercent(equityPanel.findChild<QLabel*>("lblEquityHeroRange")) -
                                 rangeShare / rangeWeight),
                        0.0005);
        }
        panel.clear();
        QVERIFY(!grid->showsEquities());
    }

    // Ticking villain 2 turns the range line into the figure against both villains, named and counted, and
    // leaves the report as it was to the byte; unticking brings the heads-up figure back.
    void secondVillainMovesTheEquityLineNotTheReport() {
        FrmTavolin window;
        TableProbe probe(window);
        window.show();
        probe.pick(QStringLiteral("Ah Kh Qh 7h 2c 9s"));
        probe.typeAmount(0, QStringLiteral("100"));
        probe.typeAmount(2, QStringLiteral("50"));
        probe.typeAmount(3, QStringLiteral("500"));
        const std::string report = probe.shown();
        QVERIFY(!report.empty());
        auto* line = window.findChild<QLabel*>("lblEquityRange");
        auto* caption = window.findChild<QLabel*>("lblCaptionRange");
        const CardMask hero = cardsMask("Ah Kh");
        const CardMask board = cardsMask("Qh 7h 2c 9s");
        const HoldingWeights first = ranges::profileRange(1);
        // Heads-up, the villain's bet narrows his range to the part that bets.
        const double headsUp = shownPercent(line);
        const HoldingWeights betting = bettingRange(hero, board, first, 100, 50).Weights;
        QCOMPARE_LE(std::abs(headsUp - exactEquity(hero, board, betting).Equity), 0.0005);

        auto* second = window.findChild<QCheckBox*>("chkVillain2");
        QVERIFY(second != nullptr && !second->isChecked());
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(4, second->height() / 2));
        const std::array<HoldingWeights, 2> both{first, ranges::profileRange(2)};
        const MultiwayEquity expected = multiwayEquity(hero, board, both);
        QCOMPARE_LE(std::abs(shownPercent(line) - expected.Equity),
                    std::max(0.0005, 3.0 * expected.StdError));
        QVERIFY(std::abs(shownPercent(line) - headsUp) > 0.001);
        QCOMPARE(caption->text(), QStringLiteral("vs 2 villains: Semiloose, Loose"));
        QCOMPARE(probe.shown(), report);
        // A readable range is taken as it is typed; one that cannot be read is marked and changes nothing.
        auto* text = window.findChild<QLineEdit*>("txtVillainRange2");
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("QQ+, AK"));
        const QString typed = line->text();
        QTest::keyClick(text, Qt::Key_X);
        QCOMPARE(line->text(), typed);
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(caption->text(), QStringLiteral("vs 2 villains: Semiloose, Custom"));
        const std::array<HoldingWeights, 2> custom{first, ranges::readRange("QQ+, AK").Weights};
        const MultiwayEquity narrow = multiwayEquity(hero, board, custom);
        QCOMPARE_LE(std::abs(shownPercent(line) - narrow.Equity), std::max(0.0005, 3.0 * narrow.StdError));
        QCOMPARE(probe.shown(), report);

        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(4, second->height() / 2));
        QCOMPARE(shownPercent(line), headsUp);
        QCOMPARE(probe.shown(), report);
    }

    // Every row ticked keeps the whole live range; keeping all but one row narrows the range panel's range to
    // exactly those rows, "Back to the profile" undoes it; the heat map's hover is the equity against the
    // cell's holdings alone.
    void keptRowsNarrowTheRangeAndTheHeatMapShowsEachCell() {
        FrmTavolin window;
        TableProbe probe(window);
        window.show();
        probe.pick(QStringLiteral("Ah Kh Qh 7h 2c"));
        probe.typeAmount(0, QStringLiteral("100"));
        QVERIFY(!probe.shown().empty());
        const CardMask hero = cardsMask("Ah Kh");
        const CardMask board = cardsMask("Qh 7h 2c");
        const HoldingWeights profile = ranges::profileRange(1);
        auto* table = window.findChild<BoardRangeTable*>();
        auto* rangePanel = window.findChild<RangePanel*>();
        const KeptClasses all = table->ticked();
        const HoldingWeights whole = keepClasses(hero, board, profile, all);
        for (int index = 0; index < kHoldingCount; ++index)
            QCOMPARE(whole[index], (holdingMask(index) & (hero | board)) == 0 ? profile[index] : 0.0);

        auto* rows = window.findChild<QTableWidget*>("tblBoardRange");
        QTableWidgetItem* topPair = rows->findItems(QStringLiteral("Top pair"), Qt::MatchExactly).value(0);
        QVERIFY(topPair != nullptr);
        topPair->setCheckState(Qt::Unchecked);
        KeptClasses kept = all;
        kept.reset(static_cast<std::size_t>(BoardClass::kTopPair));
        QCOMPARE(table->ticked(), kept);
        window.findChild<QPushButton*>("cmdKeepRows")->click();
        QCOMPARE(rangePanel->range(), keepClasses(hero, board, profile, kept));
        QVERIFY(rangePanel->rangeName().endsWith(QStringLiteral(", kept")));
        QVERIFY(rows->findItems(QStringLiteral("Top pair"), Qt::MatchExactly).isEmpty());
        window.findChild<QPushButton*>("cmdBackToProfile")->click();
        QCOMPARE(rangePanel->range(), profile);

        window.findChild<QCheckBox*>("chkHeatMap")->setChecked(true);
        auto* grid = rangePanel->findChild<RangeGrid*>("rangeGrid");
        QVERIFY(grid->showsEquities());
        for (int row = 0; row < RangeGrid::kSide; ++row) {
            const int column = (row + 3) % RangeGrid::kSide;
            const ranges::StartingHand hand = ranges::gridHand(row, column);
            HoldingWeights cell{};
            ranges::setStartingHand(cell, hand, 1.0);
            for (int index = 0; index < kHoldingCount; ++index)
                cell[index] *= profile[index];
            const EquityResult alone = exactEquity(hero, board, cell);
            if (alone.Weight <= 0.0) continue;
            const QPoint inside = grid->cellRect(row, column).center();
            QHelpEvent hover(QEvent::ToolTip, inside, grid->mapToGlobal(inside));
            QCoreApplication::sendEvent(grid, &hover);
            QVERIFY2(QToolTip::text().startsWith(QStringLiteral("vs %1: ").arg(
                         QString::fromStdString(ranges::startingHandName(hand)))),
                     qPrintable(QToolTip::text()));
            QCOMPARE(QToolTip::text().section(' ', -1),
                     QStringLiteral("%1%").arg(100.0 * alone.Equity, 0, 'f', 1));
        }
    }
};

QTEST_MAIN(EquityViewsTest)
#include "equity_views_test.moc"
