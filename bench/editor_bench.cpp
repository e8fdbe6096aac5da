// How long the parameter editor takes to show a document and to take one edit. Building must
// stay far below what a person notices, so that the largest maps stay instant too.
#include <benchmark/benchmark.h>

#include "devices/krv/krv.hpp"
#include "framework/device_registry.hpp"
#include "framework/editor/edit_posting.hpp"
#include "framework/editor/editor_host.hpp"
#include "framework/editor/editor_list.hpp"
#include "framework/messages.hpp"
#include "report/report_table.hpp"

using namespace vertanum;

namespace {

constexpr int kKrvPosition = 7;

struct Document {
    RecordingMessages messages;
    DeviceRegistry registry{DeviceContext{&messages, nullptr}};
    EditorList editors;
    HeadlessEditorHost host;
    Document() { registry.BuildDeviceRegistry(); }
    TDevices& Model() { return *registry.At(kKrvPosition); }
    TInsDevices& Editor() { return *editors.At(kKrvPosition); }
};

// The whole build of the KRV map (about 1 500 rows): factory images, decoding, rows.
void BM_BuildEditorKrv(benchmark::State& state) {
    Document doc;
    for (auto _ : state) {
        if (doc.Editor().BuildEditor(doc.host, doc.Model()) != 0) state.SkipWithError("build");
        benchmark::DoNotOptimize(doc.Editor().Rows());
        doc.Editor().CloseEditor();
    }
    state.counters["rows"] = 1521;
}
BENCHMARK(BM_BuildEditorKrv)->Unit(benchmark::kMicrosecond);

// One access code, the costliest edit: it is compared with every other code of the rows.
void BM_ApplyEditorKrvAccessCode(benchmark::State& state) {
    Document doc;
    doc.Editor().BuildEditor(doc.host, doc.Model());
    int code = 0;
    std::string error;
    for (auto _ : state) {
        code = (code + 2) % 10000;
        doc.Editor().ApplyEditor("AccessCode17", std::to_string(code), error, doc.Model());
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_ApplyEditorKrvAccessCode)->Unit(benchmark::kMicrosecond);

// A toggle posted as the grid does it: checks, ApplyEditor, row value, Modified.
void BM_PostRowValueKrvToggle(benchmark::State& state) {
    Document doc;
    doc.Editor().BuildEditor(doc.host, doc.Model());
    bool on = false;
    for (auto _ : state) {
        on = !on;
        benchmark::DoNotOptimize(
            PostRowValue(doc.Editor(), doc.Model(), "Partition30_17", on ? "1" : "0"));
    }
}
BENCHMARK(BM_PostRowValueKrvToggle)->Unit(benchmark::kMicrosecond);

// The shape of the largest maps to come: 1 600 rows, most of them picks over shared lists of 256
// items, under 40 headings.
void BM_RowsOfTheLargestMapShape(benchmark::State& state) {
    const ItemList bytes = NumberItems(0, 255);
    for (auto _ : state) {
        RowModel rows;
        RowUpdateBatch batch(rows);
        for (int g = 0; g < 40; ++g) {
            Row& head =
                rows.AddCategory("Group" + std::to_string(g), "Группа " + std::to_string(g));
            for (int i = 0; i < 39; ++i) {
                rows.AddPick("Place" + std::to_string(g) + "_" + std::to_string(i),
                             "Место №" + std::to_string(i), bytes, "0", &head);
            }
        }
        benchmark::DoNotOptimize(rows.Count());
    }
}
BENCHMARK(BM_RowsOfTheLargestMapShape)->Unit(benchmark::kMicrosecond);

// Filling the report table from the KRV rows.
void BM_FillReportTableKrv(benchmark::State& state) {
    Document doc;
    doc.Editor().BuildEditor(doc.host, doc.Model());
    ReportTable table;
    for (auto _ : state) {
        FillReportTable(*doc.Editor().Rows(), table);
        benchmark::DoNotOptimize(table.Count());
    }
}
BENCHMARK(BM_FillReportTableKrv)->Unit(benchmark::kMicrosecond);

}  // namespace
