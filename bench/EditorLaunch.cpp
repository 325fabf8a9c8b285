#include "EditorLaunch.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>

#include <sys/prctl.h>

#include <csignal>

namespace zozavud::bench {

namespace {

using namespace std::chrono_literals;

constexpr char WindowTitle[] = "ORVANEX QD-N800 Series LCD Editor";
constexpr auto MapTimeout = 20s;

std::unique_ptr<PrivateDisplay> sharedDisplay;

// A benchmark program that aborts runs no destructors; its children must not outlive it.
void EndWithParent(QProcess& process) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

}  // namespace

// -noreset: a server that resets when its last client leaves refuses the next one a while.
PrivateDisplay::PrivateDisplay() {
    EndWithParent(server_);
    server_.setProgram("Xvfb");
    server_.setArguments({"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start();
    if (!server_.waitForStarted(5000)) {
        error_ = "Xvfb cannot be started (is it installed?)";
        return;
    }
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(10000))
        number += server_.readAllStandardOutput();
    if (!number.contains('\n')) {
        error_ = "Xvfb did not report its display";
        return;
    }
    name_ = ":" + number.trimmed();
}

PrivateDisplay::~PrivateDisplay() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(3000)) {
        server_.kill();
        server_.waitForFinished(3000);
    }
}

PrivateDisplay& Display() {
    if (!sharedDisplay) sharedDisplay = std::make_unique<PrivateDisplay>();
    return *sharedDisplay;
}

void EndPrivateDisplay() { sharedDisplay.reset(); }

std::optional<double> PeakResidentMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("VmHWM:")) continue;
        bool ok = false;
        const double kib = line.mid(6).trimmed().split(' ').value(0).toDouble(&ok);
        if (ok) return kib / 1024.0;
    }
    return std::nullopt;
}

EditorRun::EditorRun() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString::fromLatin1(Display().Name()));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    process_.setProcessEnvironment(env);
    EndWithParent(process_);
    process_.setProgram(QCoreApplication::applicationDirPath() + "/zozavud");
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
}

EditorRun::~EditorRun() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
}

std::optional<Clock::duration> EditorRun::StartAndWaitForWindow(XcbMapWatch& watch) {
    const auto start = Clock::now();
    process_.start();
    if (!process_.waitForStarted(5000)) return std::nullopt;
    if (!watch.WaitForWindowTitled(WindowTitle, MapTimeout)) return std::nullopt;
    return Clock::now() - start;
}

std::unique_ptr<XcbMapWatch> WatchOrSkip(benchmark::State& state) {
    if (Display().Error()) {
        state.SkipWithError(Display().Error());
        return nullptr;
    }
    auto watch = std::make_unique<XcbMapWatch>(Display().Name().constData());
    if (!watch->Connected()) {
        state.SkipWithError("cannot connect to the private display");
        return nullptr;
    }
    return watch;
}

int RunEditorBenchmarks(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    EndPrivateDisplay();
    return 0;
}

}  // namespace zozavud::bench
