#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/devices.hpp"
#include "framework/editor/editor_host.hpp"
#include "framework/editor/row_model.hpp"

namespace vertanum {

class DependencyTimer;

// The result of BuildEditor when the rows could not be made from the images (a value the map
// cannot decode, a broken map). The shell reports it as a damaged file, like a failed load.
inline constexpr std::int32_t kEditorBuildFailed = -20;

// The texts of the common build sequence.
inline constexpr const char* kLoadingParametersStatus = "Загрузка параметров";
inline constexpr const char* kStatusAfterLoading = "   ";

// The common refusal text of the maps.
inline constexpr const char* kCheckInputText = "Проверьте правильность ввода поля.";

// A parameter editor: knows one model's parameter map. BuildEditor decodes the model's images
// into rows; ApplyEditor validates one edited value and encodes it into the images at once.
// The rows of the open document live here from BuildEditor to CloseEditor; everything else
// lives in the model.
class TInsDevices {
  public:
    explicit TInsDevices(std::string name) : Name(std::move(name)) {}
    virtual ~TInsDevices();
    TInsDevices(const TInsDevices&) = delete;
    TInsDevices& operator=(const TInsDevices&) = delete;

    std::string Name;

    // Loads the factory images and the file over them, then builds the rows with the host
    // disabled, and shows them. The host is enabled again whatever happens. 0, the negative
    // result of loading (nothing built, the host untouched), or kEditorBuildFailed when the rows
    // could not be made (nothing left built; BuildFailure says why).
    virtual std::int32_t BuildEditor(EditorHost& host, TDevices& model);

    // Validates `text` as the new value of the row `row_name` and, when valid, encodes it into
    // the model's images at once and leaves `error_text` empty; otherwise leaves the images
    // unchanged and puts the message to show in `error_text`. A text that had to be an integer
    // and is not one is refused with "'text' - неверное целое значение". A row name the map does
    // not handle is accepted without change. Does not touch the rows or Modified; see
    // PostRowValue for the whole edit.
    void ApplyEditor(const std::string& row_name, const std::string& text, std::string& error_text,
                     TDevices& model);

    // Removes the rows of the open document (the host lets go of them first) and forgets a
    // pending run of the dependency rules.
    void CloseEditor();

    // The rows of the open document; nullptr while none is built.
    RowModel* Rows() const { return rows_.get(); }

    // Why the last BuildEditor gave kEditorBuildFailed.
    const std::string& BuildFailure() const { return build_failure_; }

    // Set for a model whose parameter map is not available: the reason every edit is refused.
    virtual std::optional<std::string> EditsUnavailable() const { return std::nullopt; }

    // The dependency timer that the rules of this map are armed on (the main window's).
    void AttachTimer(DependencyTimer* timer) { timer_ = timer; }
    DependencyTimer* Timer() const { return timer_; }

  protected:
    // Step 5 of the build: the map's rows in display order, decoded from the images, advancing
    // the progress display as groups of rows are done. May throw; nothing built is kept then.
    virtual void BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) = 0;

    // The map's validation and encoding of one row. May throw ConversionError.
    virtual void ApplyValue(const std::string& row_name, const std::string& text,
                            std::string& error_text, TDevices& model) = 0;

    // The rule set armed once the rows are shown; 0 for a map without rules.
    virtual int RuleSetAfterBuild() const { return 0; }

    // Arms the dependency timer with a rule-set number (nothing without a timer).
    void ArmDependencyTimer(int rule_set);

  private:
    std::unique_ptr<RowModel> rows_;
    EditorHost* host_ = nullptr;
    DependencyTimer* timer_ = nullptr;
    std::string build_failure_;
};

}  // namespace vertanum
