#include "framework/editor/ins_devices.hpp"

#include <exception>

#include "framework/conversion_error.hpp"
#include "framework/editor/dependency_timer.hpp"

namespace vertanum {
namespace {

// Brings the status label and progress display back to rest: the end of the build sequence.
void ResetProgress(ProgressDisplay& progress) {
    progress.SetPosition(100);
    progress.SetStatus(kStatusAfterLoading);
    progress.ShowPercentage(false);
    progress.SetPosition(0);
}

// Enables the host again when the build leaves, however it leaves.
class HostDisabled {
  public:
    explicit HostDisabled(EditorHost& host) : host_(host) { host_.SetEnabled(false); }
    ~HostDisabled() { host_.SetEnabled(true); }
    HostDisabled(const HostDisabled&) = delete;
    HostDisabled& operator=(const HostDisabled&) = delete;

  private:
    EditorHost& host_;
};

}  // namespace

// The host and the timer may be gone by now (the window is being destroyed), so the rows simply
// go with the editor.
TInsDevices::~TInsDevices() = default;

std::int32_t TInsDevices::BuildEditor(EditorHost& host, TDevices& model) {
    build_failure_.clear();
    if (rows_) CloseEditor();

    std::int32_t result = model.LoadFactoryImage();
    if (result < 0) return result;
    if (model.HasFile()) {
        result = model.LoadConfig();
        if (result < 0) return result;
    }

    ProgressDisplay& progress = host.Progress();
    {
        HostDisabled disabled(host);
        progress.SetStatus(kLoadingParametersStatus);
        host.Repaint();
        progress.ShowPercentage(true);
        progress.SetPosition(0);

        auto rows = std::make_unique<RowModel>();
        try {
            RowUpdateBatch batch(*rows);
            BuildRows(*rows, model, progress);
        } catch (const std::exception& e) {
            build_failure_ = e.what();
        } catch (...) {
            build_failure_ = "unknown failure while building the parameter rows";
        }
        ResetProgress(progress);
        if (!build_failure_.empty()) return kEditorBuildFailed;

        rows_ = std::move(rows);
        host_ = &host;
        host.ShowRows(*rows_);
    }
    if (const int rules = RuleSetAfterBuild(); rules != 0) ArmDependencyTimer(rules);
    return 0;
}

void TInsDevices::ApplyEditor(const std::string& row_name, const std::string& text,
                              std::string& error_text, TDevices& model) {
    error_text.clear();
    try {
        ApplyValue(row_name, text, error_text, model);
    } catch (const ConversionError& e) {
        error_text = e.what();
    }
}

void TInsDevices::CloseEditor() {
    if (!rows_) return;
    if (timer_) timer_->Disarm();
    if (host_) host_->RemoveRows(*rows_);
    host_ = nullptr;
    rows_.reset();
}

void TInsDevices::ArmDependencyTimer(int rule_set) {
    if (timer_) timer_->Arm(rule_set);
}

}  // namespace vertanum
