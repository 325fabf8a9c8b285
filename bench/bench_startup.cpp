// Start-up of the real editor on a private virtual display: from spawning the process
// until its main window is mapped. Each start is a fresh process, killed afterwards.
#include "EditorLaunch.h"

namespace {

using namespace zozavud::bench;

void BM_StartupToFirstShownWindow(benchmark::State& state) {
    const auto watch = WatchOrSkip(state);
    if (!watch) return;
    for (auto _ : state) {
        EditorRun editor;
        const auto elapsed = editor.StartAndWaitForWindow(*watch);
        if (!elapsed) {
            state.SkipWithError("the editor window did not appear (is zozavud built beside this benchmark?)");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*elapsed).count());
    }
}
BENCHMARK(BM_StartupToFirstShownWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunEditorBenchmarks(argc, argv); }
