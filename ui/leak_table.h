#pragma once

#include "journal/progress.h"

#include <QTableWidget>
#include <functional>

namespace tavolin::ui {

// The worst kMostLeaks leaks as rows, each with a "Drill this" button that calls `drill` with its row.
constexpr int kMostLeaks = 8;
QTableWidget* leakTable(const std::vector<journal::LeakRow>& leaks,
                        const std::function<void(const journal::LeakRow&)>& drill);

} // namespace tavolin::ui
