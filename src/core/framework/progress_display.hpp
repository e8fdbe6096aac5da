#pragma once

#include <string>
#include <string_view>

namespace vertanum {

// The status label and the progress display of the main window as the long operations see them
// (programming, the port-free wait, building an editor): a text, a bar with maximum and position,
// a switch for the percentage text, and a point at which the front end may process pending
// events so the window keeps painting.
class ProgressDisplay {
  public:
    virtual ~ProgressDisplay() = default;
    virtual void SetStatus(std::string_view text) = 0;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    virtual int Position() const = 0;
    virtual void ShowPercentage(bool on) = 0;
    virtual void ProcessEvents() = 0;
    // The text the status shows now, so that a passing text (a countdown) can hand it back.
    virtual std::string Status() const = 0;

    void Advance() { SetPosition(Position() + 1); }
};

// A display that shows nothing; for work that needs none.
class SilentProgress : public ProgressDisplay {
  public:
    void SetStatus(std::string_view text) override { status_ = text; }
    std::string Status() const override { return status_; }
    void SetMaximum(int m) override { maximum_ = m; }
    void SetPosition(int p) override { position_ = p; }
    int Position() const override { return position_; }
    void ShowPercentage(bool) override {}
    void ProcessEvents() override {}
    int Maximum() const { return maximum_; }

  private:
    std::string status_;
    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace vertanum
