#include "framework/editor/dependency_timer.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/editor/row_model.hpp"

using namespace vertanum;

namespace {

// A timer that counts the waits it was asked to start and stop.
class CountingTimer : public DependencyTimer {
  public:
    using DependencyTimer::DependencyTimer;
    int started = 0;
    int stopped = 0;

  protected:
    void StartWait() override { ++started; }
    void StopWait() override { ++stopped; }
};

struct Rules {
    RuleSetRegistry registry;
    std::vector<int> runs;
    Rules() {
        for (int n : {1, 2}) {
            registry.Register(n, [this, n](RowModel& rows) {
                runs.push_back(n);
                if (Row* row = rows.Find("Target")) row->SetCategory(!row->Category());
            });
        }
        registry.Register(3, [](RowModel&) { throw std::runtime_error("broken rule"); });
    }
};

}  // namespace

TEST(DependencyTimer, TwoArmingsInOneWaitRunOneRuleSetOnce) {
    Rules rules;
    CountingTimer timer(rules.registry);
    RowModel rows;
    Row& target = rows.AddText("Target", "Строка", "1");

    timer.Arm(1);
    timer.Arm(2);  // replaces the number, does not restart the wait
    EXPECT_EQ(timer.started, 1);
    EXPECT_TRUE(timer.Armed());
    EXPECT_EQ(timer.Tag(), 2);

    timer.Fire(&rows);
    EXPECT_EQ(rules.runs, std::vector<int>{2});
    EXPECT_TRUE(target.Category());
    EXPECT_FALSE(timer.Armed());

    // Once per arming: a second elapse without an arming runs nothing.
    timer.Fire(&rows);
    EXPECT_EQ(rules.runs.size(), 1u);

    timer.Arm(1);
    EXPECT_EQ(timer.started, 2);
    timer.Fire(&rows);
    EXPECT_EQ(rules.runs, (std::vector<int>{2, 1}));
}

TEST(DependencyTimer, AnUnknownNumberOrNoRowsRunsNothingButDisarms) {
    Rules rules;
    CountingTimer timer(rules.registry);
    RowModel rows;
    timer.Arm(7);
    timer.Fire(&rows);
    EXPECT_FALSE(timer.Armed());
    timer.Arm(1);
    timer.Fire(nullptr);
    EXPECT_FALSE(timer.Armed());
    EXPECT_TRUE(rules.runs.empty());
}

TEST(DependencyTimer, DisarmStopsTheWaitAndAFailingRuleLeavesItIdle) {
    Rules rules;
    CountingTimer timer(rules.registry);
    RowModel rows;
    timer.Arm(1);
    timer.Disarm();
    EXPECT_EQ(timer.stopped, 1);
    timer.Fire(&rows);
    EXPECT_TRUE(rules.runs.empty());

    timer.Arm(3);
    EXPECT_THROW(timer.Fire(&rows), std::runtime_error);
    EXPECT_FALSE(timer.Armed());
    timer.Arm(1);
    EXPECT_EQ(timer.started, 3);
}

TEST(DependencyTimer, TheStandardRuleSetsRunNothingForMapsNotYetPresent) {
    // Rule sets 1 and 2 arrive with the Dorimen and Velkar maps; an arming before then is
    // harmless.
    DependencyTimer timer;
    RowModel rows;
    rows.AddText("Target", "Строка", "1");
    timer.Arm(kDorimenRuleSet);
    timer.Fire(&rows);
    EXPECT_FALSE(timer.Armed());
    EXPECT_FALSE(rows.Find("Target")->Category());
}
