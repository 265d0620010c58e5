#include "practice/session_score.h"

#include <algorithm>

namespace tavolin::practice {

void SessionScore::record(const Verdict& verdict) {
    KindScore& kind = ByKind[static_cast<std::size_t>(verdict.Kind)];
    if (verdict.Right) {
        ++kind.Right;
        BestStreak = std::max(BestStreak, ++Streak);
    } else {
        ++kind.Wrong;
        Streak = 0;
    }
}

std::string SessionScore::summary() const {
    std::string text;
    for (int k = 0; k < kQuestionKindCount; ++k) {
        const KindScore& kind = ByKind[static_cast<std::size_t>(k)];
        if (kind.Right + kind.Wrong == 0) continue;
        if (!text.empty()) text += ", ";
        text += std::string(questionName(static_cast<QuestionKind>(k))) + " " + std::to_string(kind.Right) +
                "/" + std::to_string(kind.Right + kind.Wrong);
    }
    if (text.empty()) text = "No answers yet";
    return text + "; streak " + std::to_string(Streak) + " (best " + std::to_string(BestStreak) + ")";
}

} // namespace tavolin::practice
