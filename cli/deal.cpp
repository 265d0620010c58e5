#include "cli/deal.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace tavolin::cli {

void writeDeal(const DealRequest& request, std::ostream& out) {
    practice::SpotDealer dealer(request.Seed, request.Filter);
    for (int id = 1; id <= request.Count; ++id) {
        const practice::Spot spot = dealer.next();
        const nlohmann::ordered_json line{{"id", id},
                                          {"hole", practice::holeText(spot)},
                                          {"board", practice::boardText(spot)},
                                          {"pot", spot.Pot},
                                          {"villainBet", spot.VillainBet},
                                          {"stack", spot.Stack},
                                          {"preflop", spot.PreflopProfile}};
        out << line.dump() << '\n';
    }
    out.flush();
}

} // namespace tavolin::cli
