// Opening a new document in the real main window on the offscreen platform, up to a painted
// grid, for every model: the time a user waits after choosing a model in the picker.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <memory>

#include "framework/editor/item_lists.hpp"
#include "main_window.hpp"

namespace {

using vertanum::MessageAnswer;
using vertanum::RecordingMessages;
using vertanum::app::MainWindowServices;
using vertanum::app::TfrmMain;

struct Window {
    Window() {
        services.messages = &messages;
        services.firmware_folder = &built_in_only;
        window = std::make_unique<TfrmMain>(services);
        window->show();
        QApplication::processEvents();
    }
    RecordingMessages messages;
    std::string built_in_only;
    MainWindowServices services;
    std::unique_ptr<TfrmMain> window;
};

void BM_OpenNewDocumentAndPaint(benchmark::State& state) {
    Window w;
    const int position = static_cast<int>(state.range(0));
    state.SetLabel(w.window->Registry().At(position)->Name);
    for (auto _ : state) {
        if (w.window->devOpen(16, position) != 0) {
            state.SkipWithError("the document did not open");
            break;
        }
        // Painting the grid into a pixmap paints every visible row, as the screen would.
        benchmark::DoNotOptimize(w.window->insMain()->grab());
        state.PauseTiming();
        w.messages.answers.push_back(MessageAnswer::No);
        w.window->devClose();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenNewDocumentAndPaint)->DenseRange(0, 22)->Unit(benchmark::kMillisecond);

// Rows of the size the largest maps have: 1 600 rows in 40 headings, most of them picks of 256
// items, the rest checks and texts.
std::unique_ptr<vertanum::RowModel> LargestMap() {
    auto rows = std::make_unique<vertanum::RowModel>();
    const vertanum::ItemList bytes = vertanum::NumberItems(0, 255);
    vertanum::RowUpdateBatch batch(*rows);
    for (int group = 0; group < 40; ++group) {
        vertanum::Row& heading =
            rows->AddCategory("G" + std::to_string(group), "Группа " + std::to_string(group));
        for (int i = 0; i < 39; ++i) {
            const std::string name = "R" + std::to_string(group) + "_" + std::to_string(i);
            if (i % 3 == 2) {
                rows->AddCheck(name, "Флаг " + name, i % 2 == 0, &heading);
            } else {
                rows->AddPick(name, "Параметр " + name, bytes, std::to_string(i), &heading);
            }
        }
    }
    return rows;
}

class NoEvents : public vertanum::app::PropertyGridEvents {
  public:
    vertanum::EditOutcome insMainEditValidate(const vertanum::Row&, const std::string&) override {
        return {true, {}};
    }
    void insMainToggleClick(const vertanum::Row&, const std::string&) override {}
    void insMainEditChange() override {}
};

void BM_ShowLargestMapAndPaint(benchmark::State& state) {
    auto rows = LargestMap();
    NoEvents events;
    RecordingMessages messages;
    vertanum::app::PropertyGrid grid(events, messages);
    grid.resize(680, 400);
    grid.show();
    for (auto _ : state) {
        grid.SetRows(rows.get());
        benchmark::DoNotOptimize(grid.grab());
        state.PauseTiming();
        grid.SetRows(nullptr);
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(rows->Count()) + " rows");
}
BENCHMARK(BM_ShowLargestMapAndPaint)->Unit(benchmark::kMillisecond);

// Starting to edit a pick row of 256 items: its drop-down is made at that moment.
void BM_EditPickOf256Items(benchmark::State& state) {
    auto rows = LargestMap();
    NoEvents events;
    RecordingMessages messages;
    vertanum::app::PropertyGrid grid(events, messages);
    grid.resize(680, 400);
    grid.show();
    grid.SetRows(rows.get());
    for (auto _ : state) {
        grid.EditRow("R0_0");
        state.PauseTiming();
        grid.CancelEdit();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditPickOf256Items)->Unit(benchmark::kMicrosecond);

// The offscreen platform reports each window it cannot size; that says nothing here.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains("propagateSizeHints")) return;
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
