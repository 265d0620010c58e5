#pragma once

#include "practice/answer_check.h"
#include "practice/spot_reading.h"

#include <optional>

namespace tavolin::practice {

struct Answers;
struct Deal;

// How far an answer was from the truth in the question's unit: tiers, outs, equity points, or the chips a
// wrong call or fold gives away on average (0 for a right one). nullopt for a question left unanswered.
// `equity` is the exact equity against the villain's range, 0..1.
std::optional<double> answerError(QuestionKind kind, const Answers& answers, const SpotReading& reading,
                                  const Deal& deal, double equity);

} // namespace tavolin::practice
