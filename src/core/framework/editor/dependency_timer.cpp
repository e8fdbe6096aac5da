#include "framework/editor/dependency_timer.hpp"

namespace vertanum {

void DependencyTimer::Arm(int rule_set) {
    tag_ = rule_set;
    if (armed_) return;
    armed_ = true;
    StartWait();
}

void DependencyTimer::Fire(RowModel* rows) {
    if (!armed_) return;
    // Disarmed even when a rule throws, so the timer never stays armed without a wait running.
    struct DisarmAtEnd {
        DependencyTimer& timer;
        ~DisarmAtEnd() { timer.armed_ = false; }
    } disarm{*this};
    if (rows) rules_->Run(tag_, *rows);
}

void DependencyTimer::Disarm() {
    if (!armed_) return;
    armed_ = false;
    StopWait();
}

}  // namespace vertanum
