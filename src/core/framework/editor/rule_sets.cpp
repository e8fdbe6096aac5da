#include "framework/editor/rule_sets.hpp"

namespace vertanum {

void RuleSetRegistry::Run(int number, RowModel& rows) const {
    auto it = sets_.find(number);
    if (it != sets_.end() && it->second) it->second(rows);
}

const RuleSetRegistry& StandardRuleSets() {
    // The Dorimen (kDorimenRuleSet) and Velkar (kVelkarRuleSet) maps register their rules here
    // when they land; until then an arming with their numbers runs nothing.
    static const RuleSetRegistry rules = [] {
        RuleSetRegistry r;
        return r;
    }();
    return rules;
}

}  // namespace vertanum
