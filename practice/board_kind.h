#pragma once

#include <optional>
#include <string_view>

namespace tavolin::practice {

// Kinds of board as the report's board texture reads them. The kinds overlap:
// - kDry: the texture begins with "DRY" (no three cards toward a flush or a straight; it may still carry
//   a flush project or a pairing);
// - kCoordinated: it does not, so it names a coordinated or extremely coordinated flush or straight;
// - kPaired: it carries a pairing suffix (" + PAIR", " + SET", " + POKER", " + DP", " + FULL");
// - kFlush: it contains "COOR FLUSH", so three or more board cards share a suit.
enum class BoardKind { kDry, kCoordinated, kPaired, kFlush };
constexpr int kBoardKindCount = 4;

bool textureIsOfKind(std::string_view texture, BoardKind kind);

// "dry", "coordinated", "paired", "flush"; and back (nullopt for any other word).
std::string_view boardKindName(BoardKind kind);
std::optional<BoardKind> readBoardKind(std::string_view name);

} // namespace tavolin::practice
