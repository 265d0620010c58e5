#pragma once

#include <array>
#include <cstdint>

namespace tavolin::journal {

// Unix seconds, UTC. The journal never reads a clock: callers pass the time in.
using Time = std::int64_t;
constexpr Time kDay = 24 * 60 * 60;

// Leitner boxes 1..5. A missed spot goes to box 1, due at once; each right answer at review waits the
// box's interval and moves the spot up a box (box 5 stays box 5).
constexpr std::array<int, 5> kBoxDays{1, 3, 7, 21, 60};

struct ReviewState {
    int Box = 1;
    Time Due = 0;
    friend bool operator==(const ReviewState&, const ReviewState&) = default;
};

ReviewState afterMiss(Time now);
ReviewState afterRightReview(ReviewState state, Time now);

} // namespace tavolin::journal
