#include "ui/leak_table.h"

#include <QHeaderView>
#include <QPushButton>
#include <algorithm>

namespace tavolin::ui {

QTableWidget* leakTable(const std::vector<journal::LeakRow>& leaks,
                        const std::function<void(const journal::LeakRow&)>& drill) {
    const int rows = std::min(static_cast<int>(leaks.size()), kMostLeaks);
    auto* table = new QTableWidget(rows, 8);
    table->setHorizontalHeaderLabels(
        {"Street", "Board", "Hand", "Call or fold", "Answers", "Right", "Equity error", ""});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < rows; ++row) {
        const journal::LeakRow& leak = leaks[static_cast<std::size_t>(row)];
        const QString error = leak.MeanError ? QString("%1 pts").arg(*leak.MeanError, 0, 'f', 1) : "-";
        const QStringList cells{QString::fromStdString(leak.Street),
                                QString::fromStdString(leak.BoardKind),
                                QString::fromStdString(leak.Tier).toLower(),
                                QString::fromStdString(leak.Closeness),
                                QString::number(leak.Answers),
                                QString("%1%").arg(100 * leak.Right / leak.Answers),
                                error};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column >= 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
        auto* button = new QPushButton("Drill this");
        button->setToolTip("Deal fresh spots of this kind in Practice");
        QObject::connect(button, &QPushButton::clicked, table, [drill, leak] {
            if (drill) drill(leak);
        });
        table->setCellWidget(row, 7, button);
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace tavolin::ui
