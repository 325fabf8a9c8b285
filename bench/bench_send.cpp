// send --wait to 60 raw queues against 1, on a private cupsd whose queues all print to
// one loopback sink. Reports the 60-queue time and the counter "ratio" (60 over 1).
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr int QueueCount = 60;

// Takes any number of connections at once and reads each to its end, as a printer would.
class Sink {
public:
    Sink() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 128) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~Sink() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        ::close(listener_);
    }
    int Port() const { return port_; }

private:
    void Serve() {
        std::vector<pollfd> fds{{listener_, POLLIN, 0}};
        char buffer[65536];
        while (!stop_) {
            if (::poll(fds.data(), fds.size(), 50) <= 0) continue;
            for (size_t i = fds.size(); i-- > 1;) {
                if (!fds[i].revents) continue;
                if (::recv(fds[i].fd, buffer, sizeof buffer, 0) > 0) continue;
                ::close(fds[i].fd);
                fds.erase(fds.begin() + static_cast<long>(i));
            }
            if (fds[0].revents & POLLIN) {
                const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (fd >= 0) fds.push_back({fd, POLLIN, 0});
            }
        }
        for (size_t i = 1; i < fds.size(); ++i) ::close(fds[i].fd);
    }
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

QString Script() { return QStringLiteral(ZOZAVUD_SOURCE_DIR "/tests/support/cupsd/cupsd-fixture.sh"); }
QString Cli() { return QStringLiteral(ZOZAVUD_BINARY_DIR "/bin/zozavud-cli"); }

bool Run(const QString& program, const QStringList& arguments, int timeoutMs = 60000) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The private cupsd with its queues, set up once for the run.
struct Fleet {
    QTemporaryDir dir;
    Sink sink;
    QString error;
    QStringList queues;
    QString document;

    Fleet() { error = SetUp(); }
    ~Fleet() { Run("/bin/sh", {Script(), "stop", dir.filePath("cupsd")}); }

    // Empty when all is ready, else why not.
    QString SetUp() {
        const QString cupsd = dir.filePath("cupsd");
        if (!Run("/bin/sh", {Script(), "start", cupsd})) return "the cupsd script failed";
        QFile portFile(cupsd + "/port");
        if (!portFile.open(QIODevice::ReadOnly)) return "cupsd is not available here";
        const QString server = "127.0.0.1:" + QString::fromLatin1(portFile.readAll()).trimmed();
        qputenv("CUPS_SERVER", server.toUtf8());
        const QString lpadmin = QFile::exists("/usr/sbin/lpadmin") ? "/usr/sbin/lpadmin" : "lpadmin";
        const QString device = QStringLiteral("socket://127.0.0.1:%1").arg(sink.Port());
        for (int i = 0; i < QueueCount; ++i) {
            const QString name = QStringLiteral("bench%1").arg(i);
            if (!Run(lpadmin, {"-h", server, "-p", name, "-v", device, "-E"})) return "lpadmin failed";
            queues << name;
        }
        document = dir.filePath("doc.lcd");
        return Run(Cli(), {"new", document, "--language", "en"}) ? QString() : "zozavud-cli new failed";
    }

    // Seconds for one send --wait to the first count queues; negative on failure.
    double Send(int count) const {
        QStringList arguments{"send", "register-all", document, "--wait"};
        for (int i = 0; i < count; ++i) arguments << "--printer" << queues[i];
        QElapsedTimer timer;
        timer.start();
        return Run(Cli(), arguments) ? timer.nsecsElapsed() / 1e9 : -1;
    }
};

void BM_SendWaitSixtyQueuesAgainstOne(benchmark::State& state) {
    static Fleet fleet;
    if (!fleet.error.isEmpty()) return state.SkipWithError(fleet.error.toStdString().c_str());
    for (auto _ : state) {
        const double one = fleet.Send(1);
        const double sixty = fleet.Send(QueueCount);
        if (one <= 0 || sixty <= 0) return state.SkipWithError("a send failed");
        state.SetIterationTime(sixty);
        state.counters["ratio"] = sixty / one;
        state.counters["one_ms"] = one * 1000;
    }
}
BENCHMARK(BM_SendWaitSixtyQueuesAgainstOne)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
