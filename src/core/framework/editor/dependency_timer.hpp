#pragma once

#include "framework/editor/rule_sets.hpp"

namespace vertanum {

class RowModel;

// The one-shot timer that runs a map's dependency rules about 100 ms after the edit that armed
// it. Arming an idle timer starts the wait; arming it while armed only replaces the rule-set
// number, so each wait runs one rule set once. The desktop program starts a single-shot timer in
// StartWait and calls Fire when it elapses; the command line and the tests call Fire themselves.
class DependencyTimer {
  public:
    static constexpr int kIntervalMs = 100;

    explicit DependencyTimer(const RuleSetRegistry& rules = StandardRuleSets()) : rules_(&rules) {}
    virtual ~DependencyTimer() = default;
    DependencyTimer(const DependencyTimer&) = delete;
    DependencyTimer& operator=(const DependencyTimer&) = delete;

    void Arm(int rule_set);
    bool Armed() const { return armed_; }
    // The rule-set number of the last arming.
    int Tag() const { return tag_; }

    // The wait has elapsed: runs the rule set named by Tag over `rows` (nothing for an unknown
    // number or no rows), then disarms. Does nothing when not armed.
    void Fire(RowModel* rows);
    // Forgets a pending arming (the document it was for has closed).
    void Disarm();

  protected:
    // Starts the wait of kIntervalMs after which the front end calls Fire.
    virtual void StartWait() {}
    // Stops a running wait.
    virtual void StopWait() {}

  private:
    const RuleSetRegistry* rules_;
    bool armed_ = false;
    int tag_ = 0;
};

}  // namespace vertanum
