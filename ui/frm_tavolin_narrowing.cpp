// Narrowing the villain's range on the board: the kept rows of "Range on this board" become the range that
// goes on, the betting model re-runs the study panels, and the villain grid can show the hero's equity
// against each cell.

#include "equity/equity_by_part.h"
#include "equity/kept_classes.h"
#include "ranges/starting_hands.h"
#include "ui/betting_panel.h"
#include "ui/board_range_table.h"
#include "ui/frm_tavolin.h"
#include "ui/practice_panel.h"
#include "ui/range_grid.h"
#include "ui/range_panel.h"
#include "ui/table_layout.h"

namespace tavolin {

void FrmTavolin::connectNarrowing() {
    connect(bettingPanel, &BettingPanel::modelChanged, this, [this] {
        practicePanel->setBettingModel(bettingPanel->model());
        refreshStudy();
    });
    connect(boardRangeTable, &BoardRangeTable::keepRequested, this, [this](const equity::KeptClasses& kept) {
        CardMask hero = 0;
        CardMask board = 0;
        const TableState& table = Hand.state();
        for (std::size_t i = 0; i < table.Places.size(); ++i)
            if (table.Places[i]) (i < kHolePlaceCount ? hero : board) |= table.Places[i]->mask();
        const QString profile = rangePanel->rangeName().section(tr(", kept"), 0, 0);
        const equity::HoldingWeights range = equity::keepClasses(hero, board, rangePanel->range(), kept);
        // The name stays short for the captions; the table says which rows were kept.
        boardRangeTable->setKept(QString::fromStdString(equity::keptClassesText(kept)));
        rangePanel->setRange(range, tr("%1, kept").arg(profile));
    });
    connect(boardRangeTable, &BoardRangeTable::backToProfileRequested, this, [this] {
        boardRangeTable->setKept({});
        rangePanel->loadProfile(RangeProfile);
    });
    // A range picked or typed afresh is no longer a kept one.
    connect(rangePanel, &RangePanel::rangeChanged, this, [this] {
        if (!rangePanel->rangeName().endsWith(tr(", kept"))) boardRangeTable->setKept({});
    });
    if (auto* grid = rangePanel->findChild<RangeGrid*>()) grid->setEquityPrefix(tr("vs "));
}

void FrmTavolin::showHeatMap(const equity::EquityByPart& parts) {
    auto* grid = rangePanel->findChild<RangeGrid*>();
    if (grid == nullptr) return;
    if (!bettingPanel->heatMap() || parts.Holdings <= 0.0) {
        grid->hideEquities();
        return;
    }
    std::array<equity::CellEquity, RangeGrid::kSide * RangeGrid::kSide> cells;
    for (int row = 0; row < RangeGrid::kSide; ++row) {
        for (int column = 0; column < RangeGrid::kSide; ++column) {
            const ranges::StartingHand hand = ranges::gridHand(row, column);
            cells[static_cast<std::size_t>(row * RangeGrid::kSide + column)] =
                equity::heroCellEquity(parts, hand.High, hand.Low, hand.Suited);
        }
    }
    grid->showEquities(cells);
}

} // namespace tavolin
