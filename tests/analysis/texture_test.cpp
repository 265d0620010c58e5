#include "tests/analysis/analysis_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavolin {
namespace {

// The hole cards play no part in the texture; any two cards off the board will do.
std::string textureOf(const std::string& board) {
    std::string hole;
    for (const char* card : {"2s", "3d", "4c", "5h", "6s"}) {
        if (board.find(card) == std::string::npos && hole.size() < 5)
            hole += (hole.empty() ? "" : " ") + std::string(card);
    }
    return support::analysed(hole, board).BoardTexture;
}

// The boards every reader of the board line should know by heart; every other board is checked against a
// separate count in the all-boards test.
TEST(Texture, NamedBoards) {
    const std::vector<std::pair<std::string, std::string>> boards{
        {"Ks 7d 2c", "DRY"},
        {"Ks 7s 2c", "DRY FLUSH PROJECT"},
        {"Ks 7s 2c 3c", "DRY TWO FLUSH PROJECTS"}, // no five ranks hold three of K 7 3 2
        {"9h 8d 7c", "COOR STRAIGHT"},
        {"9h 8d 7c 6s", "EXTR COOR STRAIGHT"},
        {"Ah 2d 3c", "COOR STRAIGHT"}, // the ace counts low too
        {"Qh Kd Ac", "COOR STRAIGHT"},
        {"Kh 9h 4h", "COOR FLUSH"},
        {"Kh 9h 4h 2h 7c", "EXTR COOR FLUSH"}, // no flush-project text on the river
        {"Kh 9h 4h 4c", "COOR FLUSH + PAIR"},  // nor once a suit holds three board cards
        {"8s 8d 3c", "DRY + PAIR"},
        {"8s 8d 3c 3h", "DRY + DP"},
        {"8s 8d 8c 3h 3d", "DRY + FULL"},
        {"8s 8d 8c 8h", "DRY + POKER"},
        {"8h 9h Th Jc", "COOR FLUSH EXTR COOR STRAIGHT"},
    };
    for (const auto& [board, texture] : boards)
        EXPECT_EQ(textureOf(board), texture) << board;
}

} // namespace
} // namespace tavolin
