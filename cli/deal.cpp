#include "cli/deal.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace tavolin::cli {

void writeSpotLine(int id, const practice::Spot& spot, const std::vector<std::string>& keep,
                   std::ostream& out) {
    nlohmann::ordered_json line{{"id", id},
                                {"hole", practice::holeText(spot)},
                                {"board", practice::boardText(spot)},
                                {"pot", spot.Pot},
                                {"villainBet", spot.VillainBet},
                                {"stack", spot.Stack},
                                {"preflop", spot.PreflopProfile}};
    if (!keep.empty()) line["keep"] = keep;
    out << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void writeDeal(const DealRequest& request, std::ostream& out) {
    practice::SpotDealer dealer(request.Seed, request.Filter);
    for (int id = 1; id <= request.Count; ++id)
        writeSpotLine(id, dealer.next(), request.Keep, out);
    out.flush();
}

} // namespace tavolin::cli
