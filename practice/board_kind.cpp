#include "practice/board_kind.h"

#include <array>

namespace tavolin::practice {
namespace {

constexpr std::array<std::string_view, kBoardKindCount> kNames{"dry", "coordinated", "paired", "flush"};

} // namespace

bool textureIsOfKind(std::string_view texture, BoardKind kind) {
    const bool dry = texture.starts_with("DRY");
    switch (kind) {
    case BoardKind::kDry:
        return dry;
    case BoardKind::kCoordinated:
        return !texture.empty() && !dry;
    case BoardKind::kPaired:
        return texture.find(" + ") != std::string_view::npos;
    case BoardKind::kFlush:
        return texture.find("COOR FLUSH") != std::string_view::npos;
    }
    return false;
}

std::string_view boardKindName(BoardKind kind) {
    return kNames[static_cast<std::size_t>(kind)];
}

std::optional<BoardKind> readBoardKind(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) return static_cast<BoardKind>(i);
    }
    return std::nullopt;
}

} // namespace tavolin::practice
