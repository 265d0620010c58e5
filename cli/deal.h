#pragma once

#include "practice/spot_dealer.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::cli {

// Random spots to practise on, written as lines that --batch reads back.
struct DealRequest {
    int Count = 0;
    std::uint64_t Seed = 1;
    practice::SpotFilter Filter;
    std::optional<int> Leak;            // spots of the journal's K-th worst leak instead (1 = the worst)
    std::optional<std::string> Journal; // the default journal when not given
    std::vector<std::string> Keep;      // written into every line as "keep" when given
};

// One JSON object per spot: {"id":1,"hole":"Ah Kh","board":"Qh 7h 2c","pot":120,"villainBet":60,
// "stack":900,"preflop":1}, and "keep" when the request narrows the range. The same request writes the
// same lines.
void writeDeal(const DealRequest& request, std::ostream& out);
void writeSpotLine(int id, const practice::Spot& spot, const std::vector<std::string>& keep,
                   std::ostream& out);

} // namespace tavolin::cli
