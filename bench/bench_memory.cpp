// Peak memory (VmHWM) of the real editor once start-up, which renders all 19 images, has
// settled; reported as the counter "MB" (MiB). The time is from spawn to the reading.
#include <QThread>

#include "EditorLaunch.h"

namespace {

using namespace zozavud::bench;
using namespace std::chrono_literals;

// The high-water mark stops rising once the first paint and the timers have run; wait
// until it has held for half a second (at most five seconds after the window appeared).
void BM_EditorPeakMemory(benchmark::State& state) {
    const auto watch = WatchOrSkip(state);
    if (!watch) return;
    for (auto _ : state) {
        EditorRun editor;
        const auto start = Clock::now();
        if (!editor.StartAndWaitForWindow(*watch)) {
            state.SkipWithError("the editor window did not appear (is zozavud built beside this benchmark?)");
            return;
        }
        std::optional<double> peak = PeakResidentMiB(editor.Pid());
        const auto giveUp = Clock::now() + 5s;
        auto heldSince = Clock::now();
        while (peak && Clock::now() - heldSince < 500ms && Clock::now() < giveUp) {
            QThread::msleep(50);
            const std::optional<double> now = PeakResidentMiB(editor.Pid());
            if (!now) {
                peak.reset();
            } else if (*now != *peak) {
                peak = now;
                heldSince = Clock::now();
            }
        }
        if (!peak || !editor.Running()) {
            state.SkipWithError("the editor ended before its memory could be read");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        state.counters["MB"] = *peak;
    }
}
BENCHMARK(BM_EditorPeakMemory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunEditorBenchmarks(argc, argv); }
