#pragma once

#include "framework/progress_display.hpp"

namespace vertanum {

class RowModel;

// What building an editor needs of the main window: its status label and progress display, a
// way to disable and enable it while the rows are built, and the place where the rows are shown.
class EditorHost {
  public:
    virtual ~EditorHost() = default;

    // The status label (SetStatus) and the progress display.
    virtual ProgressDisplay& Progress() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // Paints the window now, so the status text shows before the rows are built.
    virtual void Repaint() {}
    // The rows are built: show them in the window's client area.
    virtual void ShowRows(RowModel& /*rows*/) {}
    // The rows are about to be destroyed: close any in-place editor and let go of them.
    virtual void RemoveRows(RowModel& /*rows*/) {}
};

// A host without a window: the command line, the benchmarks.
class HeadlessEditorHost : public EditorHost {
  public:
    ProgressDisplay& Progress() override { return progress_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool Enabled() const { return enabled_; }

  private:
    SilentProgress progress_;
    bool enabled_ = true;
};

}  // namespace vertanum
