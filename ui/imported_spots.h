#pragma once

#include "history/hand.h"
#include "journal/journal.h"

#include <cstdint>
#include <string>

namespace tavolin {

// A decision of an imported hand as a journal spot (source "imported"), its amounts in the replay's unit
// and the range the preflop profile's.
journal::SpotRecord importedSpot(const history::Hand& hand, const history::Decision& decision,
                                 int preflopProfile);

struct Queued {
    int Added = 0;   // flagged decisions put in the review queue now
    int Already = 0; // flagged decisions that were queued before
    std::string Error;
};

// Puts the hand's flagged decisions in the review queue, each as a missed answer to the decision
// question, due at once; a spot already queued stays as it is. `session` is started on the first write.
Queued queueFlagged(journal::Journal& journal, std::int64_t& session, const history::Hand& hand,
                    int preflopProfile, journal::Time now);

} // namespace tavolin
