#pragma once

#include "practice/answer_check.h"

#include <array>
#include <string>

namespace tavolin::practice {

struct KindScore {
    int Right = 0;
    int Wrong = 0;
};

// The running score of a session: right and wrong by question kind, and the streak of right answers.
class SessionScore {
public:
    void record(const Verdict& verdict);

    KindScore of(QuestionKind kind) const { return ByKind[static_cast<std::size_t>(kind)]; }
    int streak() const { return Streak; }
    int bestStreak() const { return BestStreak; }

    // "Strength 3/4, Outs 1/4; streak 2 (best 5)": only the kinds asked so far.
    std::string summary() const;

private:
    std::array<KindScore, kQuestionKindCount> ByKind{};
    int Streak = 0;
    int BestStreak = 0;
};

} // namespace tavolin::practice
