#pragma once

#include <functional>
#include <map>

namespace vertanum {

class RowModel;

// A set of dependency rules: reads rows by Name and switches rows off or on, locks or unlocks
// them and sets their values. Rows it looks for may be missing (another model's rows are
// showing); it leaves those alone.
using RuleSet = std::function<void(RowModel& rows)>;

// Rule sets by number, as the dependency timer's Tag names them.
class RuleSetRegistry {
  public:
    void Register(int number, RuleSet rules) { sets_[number] = std::move(rules); }
    bool Has(int number) const { return sets_.count(number) > 0; }
    // Runs the rule set `number`; an unknown number runs nothing.
    void Run(int number, RowModel& rows) const;

  private:
    std::map<int, RuleSet> sets_;
};

// Rule-set numbers of the maps that have rules.
inline constexpr int kDorimenRuleSet = 1;
inline constexpr int kVelkarRuleSet = 2;

// The program's rule sets: 1 the Dorimen rules, 2 the Velkar rules, each present once its map
// exists.
const RuleSetRegistry& StandardRuleSets();

}  // namespace vertanum
