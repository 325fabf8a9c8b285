#include "SendSupport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <csignal>
#include <cstring>

namespace zozavud::test {

std::unique_ptr<ImageSet> MakeSampleSet() {
    auto set = std::make_unique<ImageSet>();
    std::memset(set.get(), 0, sizeof(ImageSet));
    std::memcpy(set->Signature, "LCD1", 4);
    for (int n = 1; n <= ImageCount; ++n) {
        ImageRecord& record = set->Record(n);
        record.ImageNo = static_cast<uint8_t>(n);
        for (int x = 0; x < LcdColumns; ++x)
            for (int y = 0; y < LcdRows; ++y)
                record.RenderedData[LayerIndex(x, y)] = (x * y + n) % (n + 2) == 0 ? 0 : ColorBlank;
    }
    return set;
}

namespace {

QString FixtureScript() { return QStringLiteral(ZOZAVUD_SOURCE_DIR "/tests/support/cupsd/cupsd-fixture.sh"); }

QString ReadLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

bool RunScript(const QString& action, const QString& dir) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/bin/sh"), {FixtureScript(), action, dir});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The fixture's cupsd, if its pid is still alive.
int FixturePort(const QString& dir) {
    const int pid = ReadLine(dir + "/cupsd.pid").toInt();
    if (pid <= 0 || ::kill(pid, 0) != 0) return 0;
    return ReadLine(dir + "/port").toInt();
}

}  // namespace

PrivateCupsd& PrivateCupsd::Instance() {
    static PrivateCupsd cupsd;
    return cupsd;
}

PrivateCupsd::PrivateCupsd() {
    const QString fixtureDir = QStringLiteral(ZOZAVUD_CUPSD_DIR);
    port_ = FixturePort(fixtureDir);
    if (port_ == 0) skipReason_ = ReadLine(fixtureDir + "/unavailable");
    if (port_ == 0 && skipReason_.isEmpty()) {
        // Run outside CTest: start our own beside the fixture's folder.
        ownDir_ = fixtureDir + QStringLiteral("-%1").arg(QCoreApplication::applicationPid());
        if (!RunScript("start", ownDir_)) skipReason_ = "the cupsd fixture script failed";
        port_ = ReadLine(ownDir_ + "/port").toInt();
        if (port_ == 0 && skipReason_.isEmpty()) skipReason_ = ReadLine(ownDir_ + "/unavailable");
    }
    if (port_ > 0)
        qputenv("CUPS_SERVER", Server().toUtf8());
    else if (skipReason_.isEmpty())
        skipReason_ = "cupsd did not start";
}

PrivateCupsd::~PrivateCupsd() {
    if (ownDir_.isEmpty()) return;
    RunScript("stop", ownDir_);
    QDir(ownDir_).removeRecursively();
}

bool PrivateCupsd::RunTool(const QString& tool, const QStringList& arguments, QString* output) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList all{"-h", Server()};
    all += arguments;
    const QString path = QFile::exists("/usr/sbin/" + tool) ? "/usr/sbin/" + tool : tool;
    process.start(path, all);
    const bool finished = process.waitForFinished(15000);
    if (!finished) process.kill(), process.waitForFinished(1000);
    if (output) *output = QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool PrivateCupsd::AddRawQueue(const QString& name, int sinkPort) const {
    // No model at all gives a raw queue; the older "-m raw" is on its way out.
    return RunTool("lpadmin",
                   {"-p", name, "-v", QStringLiteral("socket://127.0.0.1:%1").arg(sinkPort), "-E"});
}

void PrivateCupsd::RemoveQueue(const QString& name) const { RunTool("lpadmin", {"-x", name}); }

PrivateTempDir::PrivateTempDir() : old_(qgetenv("TMPDIR")), hadOld_(qEnvironmentVariableIsSet("TMPDIR")) {
    if (dir_.isValid()) qputenv("TMPDIR", QFile::encodeName(dir_.path()));
}

PrivateTempDir::~PrivateTempDir() {
    if (hadOld_)
        qputenv("TMPDIR", old_);
    else
        qunsetenv("TMPDIR");
}

ByteSink::ByteSink() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 4) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread(&ByteSink::Serve, this);
}

ByteSink::~ByteSink() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ >= 0) ::close(listener_);
}

// Polls in short steps so that the destructor is never kept waiting.
void ByteSink::Serve() {
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop_ && ::poll(&waiting, 1, 50) <= 0) {
    }
    if (stop_) return;
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) return;
    connected_ = true;
    char buffer[65536];
    pollfd reading{connection, POLLIN, 0};
    while (!stop_) {
        if (::poll(&reading, 1, 50) <= 0) continue;
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        std::lock_guard lock(mutex_);
        received_.append(buffer, got);
    }
    ::close(connection);
    std::lock_guard lock(mutex_);
    finished_ = !stop_;
    done_.notify_all();
}

bool ByteSink::WaitForJob(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return done_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return finished_; });
}

QByteArray ByteSink::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

}  // namespace zozavud::test

namespace zozavud::test {

Emulator::Emulator(const QString& memory, const QStringList& options)
    : process_(std::make_unique<QProcess>()) {
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(
        QStringLiteral(ZOZAVUD_BINARY_DIR "/bin/zozavud-cli"),
        QStringList{"emulate", "--listen", "127.0.0.1:0", "--memory", memory, "--language", "en"} + options);
    if (!process_->waitForStarted(5000)) return;
    while (process_->canReadLine() || process_->waitForReadyRead(15000)) {
        const QString line = QString::fromUtf8(process_->readLine()).trimmed();
        if (line.startsWith("listening on 127.0.0.1:")) {
            port_ = line.section(':', 1, 1).section(',', 0, 0).toInt();
            return;
        }
    }
}

Emulator::~Emulator() {
    if (Running()) Stop();
}

QStringList Emulator::WaitForJobLines(int count, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (lines_.size() < count && !deadline.hasExpired()) {
        if (!process_->canReadLine() &&
            !process_->waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))))
            break;
        while (process_->canReadLine()) lines_ << QString::fromUtf8(process_->readLine()).trimmed();
    }
    return lines_;
}

bool Emulator::Running() const { return process_->state() == QProcess::Running; }

bool Emulator::Stop() {
    process_->terminate();
    if (!process_->waitForFinished(10000)) {
        process_->kill();
        process_->waitForFinished(1000);
        return false;
    }
    return process_->exitStatus() == QProcess::NormalExit && process_->exitCode() == 0;
}

bool SendRawJob(int port, const QByteArray& bytes, int timeoutMs, bool endOwnSide) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    bool ok = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    for (qsizetype sent = 0; ok && sent < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        ok = n > 0;
        sent += n;
    }
    if (ok && endOwnSide) ::shutdown(fd, SHUT_WR);
    // The emulator closes once the job was dealt with; it never sends anything.
    pollfd closing{fd, POLLIN, 0};
    char byte;
    ok = ok && ::poll(&closing, 1, timeoutMs) == 1 && ::recv(fd, &byte, 1, 0) == 0;
    if (fd >= 0) ::close(fd);
    return ok;
}

}  // namespace zozavud::test
