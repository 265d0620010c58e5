#include "cli/deal.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace tavolin::cli {

void writeSpotLine(int id, const practice::Spot& spot, std::ostream& out) {
    const nlohmann::ordered_json line{{"id", id},
                                      {"hole", practice::holeText(spot)},
                                      {"board", practice::boardText(spot)},
                                      {"pot", spot.Pot},
                                      {"villainBet", spot.VillainBet},
                                      {"stack", spot.Stack},
                                      {"preflop", spot.PreflopProfile}};
    out << line.dump() << '\n';
}

void writeDeal(const DealRequest& request, std::ostream& out) {
    practice::SpotDealer dealer(request.Seed, request.Filter);
    for (int id = 1; id <= request.Count; ++id)
        writeSpotLine(id, dealer.next(), out);
    out.flush();
}

} // namespace tavolin::cli
