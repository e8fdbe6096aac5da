#pragma once

#include <QTimer>
#include <functional>

#include "framework/editor/dependency_timer.hpp"

namespace vertanum::app {

// The main window's tmrInsAction: a single-shot 100 ms timer that runs the armed rule set over
// the rows of the open document.
class QtDependencyTimer : public DependencyTimer {
  public:
    explicit QtDependencyTimer(std::function<RowModel*()> open_rows);

    // Whether a wait is running (for the tests).
    bool Waiting() const { return timer_.isActive(); }

  protected:
    void StartWait() override { timer_.start(); }
    void StopWait() override { timer_.stop(); }

  private:
    QTimer timer_;
    std::function<RowModel*()> open_rows_;
};

}  // namespace vertanum::app
