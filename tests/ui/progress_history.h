#pragma once

#include "journal/journal.h"

#include <array>
#include <cmath>
#include <string>

namespace tavolin::journal {

// Writes `answers` answers over 20 days, one session a day, to spots of every kind: a fixed walk, so that
// every run writes the same history. Some kinds are missed more than others, and equity answers scatter
// around the exact figure.
inline void writeHistory(Journal& journal, int answers, Time start) {
    constexpr std::array<const char*, 3> kStreets{"flop", "turn", "river"};
    constexpr std::array<const char*, 4> kBoards{"dry", "coordinated", "paired", "flush"};
    constexpr std::array<const char*, 6> kTiers{"NOTHING", "WEAK", "MEDIUM", "STRONG", "VERY STRONG", "NUTS"};
    constexpr std::array<const char*, 5> kCloseness{"fold by 15+", "fold by 5-15", "within 5", "call by 5-15",
                                                    "call by 15+"};
    constexpr std::array<const char*, 4> kQuestions{"tier", "outs", "equity", "decision"};
    constexpr int kDays = 20;
    std::uint64_t state = 12345;
    const auto draw = [&state](int below) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(below));
    };
    std::int64_t session = 0;
    for (int i = 0; i < answers; ++i) {
        const int day = i * kDays / answers;
        if (i == 0 || day != (i - 1) * kDays / answers)
            session = journal.startSession(start + day * kDay, "test");
        const int tier = draw(6);
        const int close = draw(5);
        const double exact = 5 + draw(90);
        SpotRecord spot{"Ah Kh",
                        "Qh 7h 2c",
                        static_cast<double>(i + 1),
                        0,
                        50,
                        500,
                        "Semiloose",
                        "55+, AKs",
                        kStreets[static_cast<std::size_t>(draw(3))],
                        kBoards[static_cast<std::size_t>(draw(4))],
                        "dealt",
                        kTiers[static_cast<std::size_t>(tier)],
                        kCloseness[static_cast<std::size_t>(close)],
                        exact / 100};
        const std::string question = kQuestions[static_cast<std::size_t>(i % 4)];
        // Close calls and weak hands are missed more, and less so as the days go by.
        const bool right = draw(100) >= 20 + 10 * (close == 2) + 5 * (tier < 2) - day;
        const double said = exact + (tier == 0 ? 6 : 0) + draw(11) - 5 + (right ? 0 : 8);
        const AnswerRecord record{question,
                                  std::to_string(said) + "%",
                                  std::to_string(exact) + "%",
                                  right,
                                  std::abs(said - exact),
                                  4,
                                  start + day * kDay + i % 3600};
        journal.record(session, journal.spotId(spot), record);
    }
}

} // namespace tavolin::journal
