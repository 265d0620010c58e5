// The study panels: the range grid, text and slider following each other, and on random spots the exact
// equity as the engine computes it and the range on the board adding up to the live range.

#include "ranges/range_text.h"
#include "ranges/starting_hands.h"
#include "ui/board_range_table.h"
#include "ui/equity_panel.h"
#include "ui/range_grid.h"
#include "ui/range_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <bit>
#include <numeric>
#include <random>

using namespace tavolin;
using namespace tavolin::equity;

namespace {

// The holdings of the grid cell at row, column, found from the cards: A down to 2, suited above the diagonal.
HoldingWeights cellHoldings(int row, int column, HoldingWeights weights = {}, double weight = 1.0) {
    for (int a = 0; a < kDeckSize; ++a) {
        for (int b = 0; b < a; ++b) {
            const auto [low, high] = std::minmax({cardRank(a), cardRank(b)});
            if (high == 14 - std::min(row, column) && low == 14 - std::max(row, column) &&
                (row == column || (cardSuit(a) == cardSuit(b)) == (column > row)))
                weights[holdingIndex(a, b)] = weight;
        }
    }
    return weights;
}

// The first figure of a label or cell, whatever the decimal separator.
double shownNumber(const QString& text) {
    return text.section('%', 0, 0).section(' ', -1).replace(',', '.').toDouble();
}

HoldingWeights textRange(RangePanel& panel) {
    return ranges::readRange(panel.findChild<QLineEdit*>("txtRange")->text().toStdString()).Weights;
}

} // namespace

class StudyPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void rangeFollowsSliderGridAndText() {
        RangePanel panel;
        panel.show();
        auto* grid = panel.findChild<RangeGrid*>();
        auto* slider = panel.findChild<QSlider*>();
        for (const int percent : {1, 12, 49, 100}) {
            slider->setValue(percent - 1);
            QTest::keyClick(slider, Qt::Key_Right);
            QCOMPARE(panel.range(), ranges::topPercent(percent));
            QCOMPARE(textRange(panel), panel.range());
        }
        QTest::keyClick(slider, Qt::Key_Home);
        for (int row = 0; row < RangeGrid::kSide; ++row) {
            for (int column = 0; column < RangeGrid::kSide; ++column) {
                QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(row, column).center());
                QCOMPARE(panel.range(), cellHoldings(row, column));
                QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(row, column).center());
                QCOMPARE(panel.range(), HoldingWeights{});
            }
        }
        QCOMPARE(panel.rangeName(), QStringLiteral("Semiloose, edited"));
        // A drag paints every cell it crosses with the state the first cell took.
        HoldingWeights expected = cellHoldings(0, 0);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(0, 0).center());
        for (const int row : {0, 12}) { // from AA on: the row goes off; from A2o off: the row goes on
            QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellRect(row, 0).center());
            for (int column = 0; column < RangeGrid::kSide; ++column) {
                QTest::mouseMove(grid, grid->cellRect(row, column).center());
                expected = cellHoldings(row, column, expected, row == 0 ? 0.0 : 1.0);
            }
            QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->cellRect(row, 12).center());
        }
        QCOMPARE(panel.range(), expected);
        QCOMPARE(textRange(panel), expected);
        // A typed text is used only once it reads and is finished: a half-typed one changes nothing, even
        // where a prefix of it reads ("QQ+, AK" within "QQ+, AKx"), and is marked on Enter.
        auto* text = panel.findChild<QLineEdit*>("txtRange");
        auto* error = panel.findChild<QLabel*>("lblRangeError");
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("QQ+, AKx"));
        QCOMPARE(panel.range(), expected);
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(panel.range(), expected);
        QVERIFY(error->isVisible() && error->text().contains(QStringLiteral("AKx")));
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_S);
        QTRY_COMPARE(panel.range(), ranges::readRange("QQ+, AKs").Weights); // after a pause in typing
        QVERIFY(!error->isVisible());
    }

    void panelsShowTheEnginesFiguresOnRandomSpots() {
        EquityPanel equityPanel;
        BoardRangeTable boardTable;
        equityPanel.setDecimalSeparator(QStringLiteral(",")); // the figures are read whatever the separator
        auto* table = boardTable.findChild<QTableWidget*>();
        const auto shown = [&equityPanel](const char* name) {
            return shownNumber(equityPanel.findChild<QLabel*>(name)->text()) / 100.0;
        };
        std::array<int, kDeckSize> deck{};
        std::iota(deck.begin(), deck.end(), 0);
        std::mt19937 random(7);
        for (int spot = 0; spot < 30; ++spot) {
            std::shuffle(deck.begin(), deck.end(), random);
            const CardMask hero = maskOf(deck[0]) | maskOf(deck[1]);
            CardMask board = 0;
            for (int i = 2; i < 5 + spot % 3; ++i)
                board |= maskOf(deck[i]);
            const HoldingWeights range = ranges::topPercent(5 + 3 * spot);
            equityPanel.showSpot(hero, board, range, QStringLiteral("Top"), 50.0, 4);
            const EquityResult versusAny = exactEquity(hero, board, anyTwoCards());
            QCOMPARE_LE(std::abs(shown("lblEquityRandom") - versusAny.Equity), 0.0005);
            QCOMPARE_LE(std::abs(shown("lblSharesRandom") - versusAny.Win), 0.0005);
            QCOMPARE_LE(std::abs(shown("lblEquityRange") - exactEquity(hero, board, range).Equity), 0.0005);
            const NextCardEquities next = nextCardEquities(hero, board, range);
            QCOMPARE(equityPanel.nextCard().Equity, next.Equity);
            // Behind: "True outs vs Top: 9</b> ..."; ahead: "Ahead of Top:</b> 3 next cards ...".
            const TrueOuts outs = trueOuts(next);
            const QString said = (outs.Ahead ? QStringLiteral("</b> %1 next") : QStringLiteral(": %1</b>"))
                                     .arg(std::popcount(outs.Cards));
            if (next.Unseen != 0 && (!outs.Ahead || outs.Cards != 0))
                QVERIFY(equityPanel.findChild<QLabel*>("lblTrueOuts")->text().contains(said));
            boardTable.showSpot(hero, board, range);
            double made = 0.0;
            int row = 0;
            for (; row < table->rowCount() && table->columnSpan(row, 0) == 1; ++row)
                made += shownNumber(table->item(row, 1)->text());
            QCOMPARE_LE(std::abs(made - liveWeight(range, hero | board)), 0.05 * row);
            if (std::popcount(board) == 5) QCOMPARE(row, table->rowCount());
        }
        equityPanel.clear();
        QCOMPARE(equityPanel.nextCard().Unseen, CardMask{0});
        for (const QLabel* label : equityPanel.findChildren<QLabel*>())
            QVERIFY(!label->text().contains(QLatin1Char('%')));
    }
};

QTEST_MAIN(StudyPanelsTest)
#include "study_panels_test.moc"
