#pragma once

#include "analysis/strength_shared.h"

namespace tavolin {

// Boards without three cards toward a straight or a flush, by their pairing.
void ruleSetA(StrengthRules& r); // unpaired
void ruleSetB(StrengthRules& r); // one pair
void ruleSetC(StrengthRules& r); // three of a kind
void ruleSetD(StrengthRules& r); // four of a kind
void ruleSetE(StrengthRules& r); // two pair
void ruleSetF(StrengthRules& r); // full house

// Boards with three cards toward a straight or a flush.
void ruleSetG(StrengthRules& r); // straight texture, unpaired
void ruleSetH(StrengthRules& r); // flush texture, unpaired
void ruleSetI(StrengthRules& r); // one pair
void ruleSetJ(StrengthRules& r); // two pair
void ruleSetK(StrengthRules& r); // three of a kind

// Boards with four or five cards toward a straight or a flush.
void ruleSetL(StrengthRules& r); // straight texture, unpaired
void ruleSetM(StrengthRules& r); // straight texture, one pair
void ruleSetN(StrengthRules& r); // flush texture, unpaired
void ruleSetO(StrengthRules& r); // flush texture, one pair

} // namespace tavolin
