#include "journal/review_schedule.h"

#include <algorithm>

namespace tavolin::journal {

ReviewState afterMiss(Time now) {
    return {1, now};
}

ReviewState afterRightReview(ReviewState state, Time now) {
    const int box = std::clamp(state.Box, 1, static_cast<int>(kBoxDays.size()));
    return {std::min(box + 1, static_cast<int>(kBoxDays.size())),
            now + kBoxDays[static_cast<std::size_t>(box - 1)] * kDay};
}

} // namespace tavolin::journal
