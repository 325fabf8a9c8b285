#pragma once
// Starting the real editor on a private virtual display, for the start-up and memory
// benchmarks.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <optional>

#include "XcbMapWatch.h"

namespace zozavud::bench {

using Clock = std::chrono::steady_clock;

// One Xvfb for the whole program; it picks a free display itself and tells us which.
class PrivateDisplay {
public:
    PrivateDisplay();
    ~PrivateDisplay();
    const QByteArray& Name() const { return name_; }
    const char* Error() const { return error_; }

private:
    QProcess server_;
    QByteArray name_;
    const char* error_ = nullptr;
};

// Started by the first benchmark that needs it; EndPrivateDisplay() ends it while Qt is up.
PrivateDisplay& Display();
void EndPrivateDisplay();

// VmHWM of a running process, in MiB; nothing if it cannot be read.
std::optional<double> PeakResidentMiB(qint64 pid);

// One start of the editor, with its own runtime directory so that the single-instance
// lock of an earlier start never turns it away. The process is killed on destruction.
class EditorRun {
public:
    EditorRun();
    ~EditorRun();
    // Spawns the editor and waits until its window is mapped; the time taken, or nothing.
    std::optional<Clock::duration> StartAndWaitForWindow(XcbMapWatch& watch);
    qint64 Pid() const { return process_.processId(); }
    bool Running() const { return process_.state() == QProcess::Running; }

private:
    QTemporaryDir runtime_;
    QProcess process_;
};

// A watch on the shared display, or nothing with the benchmark skipped and told why.
std::unique_ptr<XcbMapWatch> WatchOrSkip(benchmark::State& state);

// main() of a benchmark program that starts the editor.
int RunEditorBenchmarks(int argc, char** argv);

}  // namespace zozavud::bench
