#include "journal/progress.h"
#include "journal/time_text.h"

#include <map>
#include <set>

namespace tavolin::journal {

AccuracySeries accuracySeries(const std::vector<AnsweredSpot>& answers) {
    std::set<Time> days;
    for (const AnsweredSpot& answer : answers)
        days.insert(answer.At / kDay);
    AccuracySeries series;
    series.BySession = static_cast<int>(days.size()) < kDaysForDailyAccuracy;
    // Session ids grow with time, so either key orders the periods oldest first.
    std::map<std::int64_t, std::size_t> periodOf;
    for (const AnsweredSpot& answer : answers)
        periodOf.emplace(series.BySession ? answer.Session : answer.At / kDay, 0);
    for (auto& [key, index] : periodOf) {
        index = series.Periods.size();
        series.Periods.push_back(series.BySession ? "session " + std::to_string(key)
                                                  : isoTime(key * kDay).substr(0, 10));
    }
    std::map<std::string, std::vector<AccuracyPoint>> byQuestion;
    for (const AnsweredSpot& answer : answers) {
        auto& points = byQuestion[answer.Question];
        points.resize(series.Periods.size());
        AccuracyPoint& point = points[periodOf[series.BySession ? answer.Session : answer.At / kDay]];
        ++point.Answers;
        point.Right += answer.Right ? 1 : 0;
    }
    series.Questions.assign(byQuestion.begin(), byQuestion.end());
    return series;
}

} // namespace tavolin::journal
