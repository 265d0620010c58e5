#include "literal_reference.h"

#include <algorithm>
#include <string>

namespace tavolin::showdown::literal {
namespace {

struct Row {
    std::int32_t Rank = 0;
    std::int32_t Suit = 0;
};

} // namespace

double handWeight(const std::array<std::int32_t, 5>& codes) {
    std::array<Row, 5> rows{};
    for (int i = 0; i < 5; ++i)
        rows[i] = {codes[i] & 31, codes[i] & 224};
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.Rank < b.Rank; });
    const auto r = [&rows](int row) { return static_cast<double>(rows[row].Rank); };
    // The gaps between neighbouring ranks as hex digits: "1111" is a straight, "1119" the ace-low one.
    std::string s;
    for (int row = 1; row <= 4; ++row)
        s += "0123456789ABCDEF"[rows[row].Rank - rows[row - 1].Rank];
    const double key = 64.0 * r(4) + 8.0 * r(3) + r(2) + r(1) / 8.0 + r(0) / 64.0;
    const bool flush =
        std::all_of(rows.begin(), rows.end(), [&rows](const Row& row) { return row.Suit == rows[0].Suit; });
    const bool straight = s == "1111" || (s == "1119" && r(4) == 14);
    if (flush && straight) return 10000.0 + key + 8000.0 + key;
    if (s == "000" + s.substr(3)) return 14000.0 + r(0);
    if (s == s.substr(0, 1) + "000") return 14000.0 + r(4);
    if (s[0] == '0' && s[1] == '0' && s[3] == '0') return 12000.0 + 8.0 * r(0) + r(4);
    if (s[0] == '0' && s[2] == '0' && s[3] == '0') return 12000.0 + 8.0 * r(4) + r(0);
    if (flush) return 10000.0 + key;
    if (straight) return 8000.0 + key;
    if (s.starts_with("00")) return 6000.0 + 64.0 * r(1) + 8.0 * r(4) + r(3);
    if (s.substr(1, 2) == "00") return 6000.0 + 64.0 * r(2) + 8.0 * r(4) + r(0);
    if (s.ends_with("00")) return 6000.0 + 64.0 * r(3) + 8.0 * r(1) + r(0);
    if (s[0] == '0' && s[3] == '0') return 4000.0 + 64.0 * r(4) + 8.0 * r(0) + r(2);
    if (s[0] == '0' && s[2] == '0') return 4000.0 + 64.0 * r(3) + 8.0 * r(0) + r(4);
    if (s[1] == '0' && s[3] == '0') return 4000.0 + 64.0 * r(4) + 8.0 * r(1) + r(0);
    if (s[0] == '0') return 2000.0 + 64.0 * r(1) + 8.0 * r(4) + r(3) + r(2) / 8.0;
    if (s[1] == '0') return 2000.0 + 64.0 * r(2) + 8.0 * r(4) + r(3) + r(0) / 8.0;
    if (s[2] == '0') return 2000.0 + 64.0 * r(3) + 8.0 * r(4) + r(1) + r(0) / 8.0;
    if (s[3] == '0') return 2000.0 + 64.0 * r(4) + 8.0 * r(2) + r(1) + r(0) / 8.0;
    return key;
}

double bestWeight(const std::vector<std::int32_t>& codes) {
    const std::size_t n = codes.size();
    double best = 0.0;
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = a + 1; b < n; ++b)
            for (std::size_t c = b + 1; c < n; ++c)
                for (std::size_t d = c + 1; d < n; ++d)
                    for (std::size_t e = d + 1; e < n; ++e)
                        best = std::max(best, handWeight({codes[a], codes[b], codes[c], codes[d], codes[e]}));
    return best;
}

LiteralCount countBetterVillainHands(CardMask hero, CardMask board) {
    std::vector<std::int32_t> heroCodes;
    std::vector<std::int32_t> boardCodes;
    std::vector<std::int32_t> unseen;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            const CardMask card = Card(rank, suit - 1).mask();
            std::vector<std::int32_t>& list = (hero & card) != 0    ? heroCodes
                                              : (board & card) != 0 ? boardCodes
                                                                    : unseen;
            list.push_back(32 * suit + rank);
        }
    }
    heroCodes.insert(heroCodes.end(), boardCodes.begin(), boardCodes.end());
    const double heroWeight = bestWeight(heroCodes);
    LiteralCount count;
    for (std::size_t first = 0; first < unseen.size(); ++first) {
        for (std::size_t second = first + 1; second < unseen.size(); ++second) {
            std::vector<std::int32_t> villain = boardCodes;
            villain.push_back(unseen[first]);
            villain.push_back(unseen[second]);
            ++count.PairCount;
            if (bestWeight(villain) > heroWeight) ++count.BetterCount;
        }
    }
    return count;
}

} // namespace tavolin::showdown::literal
