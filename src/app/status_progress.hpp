#pragma once

#include <QLabel>
#include <QProgressBar>

#include "framework/progress_display.hpp"

namespace vertanum::app {

// The status label lblProcess and the progress display pbrProcess in the first status-bar panel,
// as the long operations see them.
class StatusProgress : public ProgressDisplay {
  public:
    StatusProgress(QLabel* label, QProgressBar* bar) : label_(label), bar_(bar) {}

    void SetStatus(std::string_view text) override;
    std::string Status() const override;
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;
    int Position() const override;
    void ShowPercentage(bool on) override;
    void ProcessEvents() override;

  private:
    QLabel* label_;
    QProgressBar* bar_;
};

}  // namespace vertanum::app
