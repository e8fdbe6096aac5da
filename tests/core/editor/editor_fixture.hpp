#pragma once

#include <string>
#include <vector>

#include "devices/krv/krv.hpp"
#include "framework/editor/edit_posting.hpp"
#include "framework/editor/editor_host.hpp"
#include "framework/editor/editor_list.hpp"
#include "support/model_fixture.hpp"

namespace vertanum::testing {

// A host that writes down what the build does to it, in order, and whether it was enabled at
// each step.
class RecordingHost : public EditorHost, public ProgressDisplay {
  public:
    ProgressDisplay& Progress() override { return *this; }
    void SetEnabled(bool on) override {
        enabled = on;
        Log(on ? "enable" : "disable");
    }
    void Repaint() override { Log("repaint"); }
    void ShowRows(RowModel& rows) override {
        shown = &rows;
        Log("show rows");
    }
    void RemoveRows(RowModel& rows) override {
        if (shown == &rows) shown = nullptr;
        Log("remove rows");
    }

    void SetStatus(std::string_view text) override {
        Log("status '" + std::string(text) + "'");
        status_ = text;
    }
    std::string Status() const override { return status_; }
    void SetMaximum(int m) override { Log("maximum " + std::to_string(m)); }
    void SetPosition(int p) override {
        position = p;
        positions.push_back(p);
    }
    int Position() const override { return position; }
    void ShowPercentage(bool on) override { Log(on ? "percentage on" : "percentage off"); }
    void ProcessEvents() override {}

    void Log(std::string what) { events.push_back(std::move(what)); }

    std::vector<std::string> events;
    std::vector<int> positions;
    int position = 0;
    std::string status_;
    bool enabled = true;
    RowModel* shown = nullptr;
};

// One open document: the registry, the editor list and a host, with the editor of `position`
// built over a new document or a file.
struct OpenEditor {
    explicit OpenEditor(int at, const std::string& file = "") : position(at) {
        if (!file.empty()) models.At(position).FileName = file;
        result = Editor().BuildEditor(host, Model());
    }
    TDevices& Model() { return models.At(position); }
    TInsDevices& Editor() { return *editors.At(position); }
    RowModel& Rows() { return *Editor().Rows(); }
    const Row& RowNamed(const std::string& name) {
        const Row* row = Rows().Find(name);
        if (!row) throw std::runtime_error("no row " + name);
        return *row;
    }
    // ApplyEditor's answer for one value ("" when accepted).
    std::string Apply(const std::string& name, const std::string& text) {
        std::string error;
        Editor().ApplyEditor(name, text, error, Model());
        return error;
    }
    EditOutcome Post(const std::string& name, const std::string& text) {
        return PostRowValue(Editor(), Model(), name, text);
    }

    int position;
    Models models;
    EditorList editors;
    RecordingHost host;
    std::int32_t result = 0;
};

inline constexpr int kKrvPosition = 7;
inline constexpr int kQv710P001Position = 0;
inline constexpr int kQirelPosition = 21;

}  // namespace vertanum::testing
