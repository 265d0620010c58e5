#include "literal_reference.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tavolin::showdown::literal {
namespace {

constexpr int kCode = 0;
constexpr int kRank = 1;
constexpr int kGap = 2;
constexpr int kSuit = 3;

std::int32_t rankOf(const CardRows& cards, int row) {
    return cards[row][kRank];
}

double rankKey(const CardRows& cards) {
    return 64.0 * rankOf(cards, 4) + 8.0 * rankOf(cards, 3) + rankOf(cards, 2) + rankOf(cards, 1) / 8.0 +
           rankOf(cards, 0) / 64.0;
}

std::string hexText(std::int32_t value) {
    constexpr const char* kDigits = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value > 0);
    return text;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

void prepareHand(CardRows& cards) {
    for (auto& row : cards) {
        row[kRank] = row[kCode] & 31;
        row[kSuit] = row[kCode] & 224;
    }
    for (int pass = 0; pass < 4; ++pass) {
        for (int j = 0; j <= 3; ++j) {
            if (cards[j][kRank] > cards[j + 1][kRank]) std::swap(cards[j], cards[j + 1]);
        }
    }
    for (int row = 1; row <= 4; ++row)
        cards[row][kGap] = cards[row][kRank] - cards[row - 1][kRank];
    if (cards[4][kRank] == 14) cards[0][kGap] = cards[0][kRank] - 1;
}

std::string gapString(const CardRows& cards) {
    std::string text;
    for (int row = 1; row <= 4; ++row)
        text += hexText(cards[row][kGap]);
    return text;
}

std::int32_t countOccurrences(const std::string& text, const std::string& pattern) {
    const std::string needle = lowerCase(pattern);
    std::string remaining = lowerCase(text);
    std::size_t at = 0;
    while ((at = remaining.find(needle, at)) != std::string::npos)
        remaining.erase(at, needle.size());
    return static_cast<std::int32_t>((text.size() - remaining.size()) / pattern.size());
}

std::int32_t flushWeight(CardRows& cards, double& acc) {
    const std::int32_t suit = cards[0][kSuit];
    for (int row = 1; row <= 4; ++row) {
        if (cards[row][kSuit] != suit) return 0;
    }
    if (suit != 32 && suit != 64 && suit != 96 && suit != 128) return 0;
    acc += 10000.0 + rankKey(cards);
    return suit;
}

bool straightWeight(CardRows& cards, double& acc) {
    const std::string s = gapString(cards);
    bool straight = s == "1111";
    if (!straight && rankOf(cards, 4) == 14) straight = hexText(cards[0][kGap]) + s.substr(0, 3) == "1111";
    if (straight) acc += 8000.0 + rankKey(cards);
    return straight;
}

bool fourOrFullWeight(CardRows& cards, double& acc) {
    const std::string s = gapString(cards);
    if (countOccurrences(s, "0") != 3) return false;
    if (s.substr(0, 3) == "000") {
        acc = 14000.0 + rankOf(cards, 0);
    } else if (s.substr(1, 3) == "000") {
        acc = 14000.0 + rankOf(cards, 4);
    } else if (s.substr(0, 2) == "00") {
        acc = 12000.0 + 8.0 * rankOf(cards, 0) + rankOf(cards, 4);
    } else if (s.substr(2, 2) == "00") {
        acc = 12000.0 + 8.0 * rankOf(cards, 4) + rankOf(cards, 0);
    }
    return true;
}

bool threeOrTwoPairsWeight(CardRows& cards, double& acc) {
    const std::string s = gapString(cards);
    if (countOccurrences(s, "0") != 2) return false;
    const std::size_t found = s.find("00");
    const int p = found == std::string::npos ? 0 : static_cast<int>(found) + 1;
    const auto r = [&cards](int row) { return static_cast<double>(rankOf(cards, row)); };
    if (p >= 1 && p <= 3) {
        acc = 6000.0 + 64.0 * r(p);
        if (p == 1) acc += 8.0 * r(4) + r(3);
        if (p == 2) acc += 8.0 * r(4) + r(0);
        if (p == 3) acc += 8.0 * r(1) + r(0);
    } else if (s.front() == '0' && s.back() == '0') {
        acc = 4000.0 + 64.0 * r(4) + 8.0 * r(0) + r(2);
    } else if (s.front() == '0' && s[2] == '0') {
        acc = 4000.0 + 64.0 * r(3) + 8.0 * r(0) + r(4);
    } else if (s.back() == '0' && s[1] == '0') {
        acc = 4000.0 + 64.0 * r(4) + 8.0 * r(1) + r(0);
    }
    return true;
}

bool pairWeight(CardRows& cards, double& acc) {
    const std::string s = gapString(cards);
    const std::size_t found = s.find('0');
    if (found == std::string::npos) return false;
    const int p = static_cast<int>(found) + 1;
    const auto r = [&cards](int row) { return static_cast<double>(rankOf(cards, row)); };
    acc = 2000.0 + 64.0 * r(p);
    if (p == 1) acc += 8.0 * r(4) + r(3) + r(2) / 8.0;
    if (p == 2) acc += 8.0 * r(4) + r(3) + r(0) / 8.0;
    if (p == 3) acc += 8.0 * r(4) + r(1) + r(0) / 8.0;
    if (p == 4) acc += 8.0 * r(2) + r(1) + r(0) / 8.0;
    return true;
}

double handWeight(CardRows& cards) {
    prepareHand(cards);
    double b = 0.0;
    const std::int32_t f = flushWeight(cards, b);
    double c = 0.0;
    const bool s = straightWeight(cards, c);
    if (f > 0 && s) return b + c;
    double a = 0.0;
    if (fourOrFullWeight(cards, a)) return a;
    if (f > 0) return b;
    if (s) return c;
    if (threeOrTwoPairsWeight(cards, a)) return a;
    if (pairWeight(cards, a)) return a;
    return rankKey(cards);
}

double weightOfCodes(const std::array<std::int32_t, 5>& codes) {
    CardRows cards{};
    for (int row = 0; row < 5; ++row)
        cards[row][kCode] = codes[row];
    return handWeight(cards);
}

std::vector<HandRecord> enumerateHands(const std::vector<std::int32_t>& cardList) {
    std::vector<HandRecord> handList;
    const int n = static_cast<int>(cardList.size());
    const auto code = [&cardList](int position) { return cardList[position - 1]; };
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            for (int c = b + 1; c <= n; ++c) {
                for (int d = c + 1; d <= n; ++d) {
                    for (int e = d + 1; e <= n; ++e) {
                        HandRecord record;
                        record.Index = static_cast<std::int32_t>(handList.size());
                        const std::array<int, 5> positions{a, b, c, d, e};
                        for (int row = 0; row < 5; ++row)
                            record.Cards[row][kCode] = code(positions[row]);
                        prepareHand(record.Cards);
                        record.Weight = handWeight(record.Cards);
                        handList.push_back(record);
                    }
                }
            }
        }
    }
    return handList;
}

std::int32_t bestHandIndex(const std::vector<HandRecord>& handList) {
    std::int32_t best = 0;
    for (std::size_t i = 1; i < handList.size(); ++i) {
        if (handList[i].Weight > handList[best].Weight) best = static_cast<std::int32_t>(i);
    }
    return best;
}

void buildCardLists(const CardMatrix& holeMatrix, const CardMatrix& villainMatrix,
                    const CardMatrix& boardMatrix, std::vector<std::int32_t>& heroList,
                    std::vector<std::int32_t>& villainList) {
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            const std::int32_t code = cardCode(suit, rank);
            if (boardMatrix[suit][rank] == 1 || holeMatrix[suit][rank] == 1) heroList.push_back(code);
            if (boardMatrix[suit][rank] == 1 || villainMatrix[suit][rank] == 1) villainList.push_back(code);
        }
    }
}

void compareHands(const CardMatrix& holeMatrix, const CardMatrix& villainMatrix,
                  const CardMatrix& boardMatrix, std::int16_t& result) {
    std::vector<std::int32_t> heroList;
    std::vector<std::int32_t> villainList;
    buildCardLists(holeMatrix, villainMatrix, boardMatrix, heroList, villainList);
    const std::vector<HandRecord> heroHands = enumerateHands(heroList);
    const std::int32_t h = bestHandIndex(heroHands);
    const std::vector<HandRecord> villainHands = enumerateHands(villainList);
    const std::int32_t v = bestHandIndex(villainHands);
    const double villainWeight = villainHands[v].Weight;
    const double heroWeight = heroHands[h].Weight;
    if (villainWeight == heroWeight) {
        result = 0;
    } else if (villainWeight < heroWeight) {
        result = 1;
    } else {
        result = 2;
    }
}

LiteralCount countBetterVillainHands(const CardMatrix& holeMatrix, const CardMatrix& boardMatrix,
                                     ShowdownState& state,
                                     const std::function<void(const CardMatrix&)>& observer) {
    LiteralCount count;
    state.CompareResult = 0;
    const auto unseen = [&](int suit, int rank) {
        return holeMatrix[suit][rank] == 0 && boardMatrix[suit][rank] == 0;
    };
    for (int s1 = 1; s1 <= 4; ++s1) {
        for (int r1 = 2; r1 <= 14; ++r1) {
            if (!unseen(s1, r1)) continue;
            state.VillainMatrix[s1][r1] = 1;
            for (int s2 = s1; s2 <= 4; ++s2) {
                for (int r2 = s2 == s1 ? r1 + 1 : 2; r2 <= 14; ++r2) {
                    if (!unseen(s2, r2)) continue;
                    state.VillainMatrix[s2][r2] = 1;
                    compareHands(holeMatrix, state.VillainMatrix, boardMatrix, state.CompareResult);
                    if (observer) observer(state.VillainMatrix);
                    ++count.PairCount;
                    if (state.CompareResult == 2) ++count.BetterCount;
                    state.VillainMatrix[s2][r2] = 0;
                }
            }
            state.VillainMatrix[s1][r1] = 0;
        }
    }
    return count;
}

} // namespace tavolin::showdown::literal
