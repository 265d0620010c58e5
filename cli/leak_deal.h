#pragma once

#include "cli/deal.h"

#include <iosfwd>

namespace tavolin::cli {

// `--deal N --leak K`: N fresh spots of the kind of the journal's K-th worst leak, as writeDeal writes
// them; the exit code. A journal that cannot be read, or fewer than K leaks, is reported on `err` (2).
int runLeakDeal(const DealRequest& request, std::ostream& out, std::ostream& err);

} // namespace tavolin::cli
