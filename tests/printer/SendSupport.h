#pragma once
// What the send tests share: a sample document, a private cupsd with raw queues,
// and a TCP sink standing in for the printer.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "ImageSet.h"

namespace zozavud::test {

// Signature set, every image with its own dot pattern, so that commands differ.
std::unique_ptr<ImageSet> MakeSampleSet();

// The cupsd of this test run: the CTest fixture's when there is one, else one started
// here and stopped at exit. CUPS_SERVER points at it once Available() returned true.
class PrivateCupsd {
public:
    static PrivateCupsd& Instance();
    bool Available() const { return port_ > 0; }
    QString SkipReason() const { return skipReason_; }
    QString Server() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

    // Runs lpadmin, cupsreject, cupsdisable... against this server; false on failure.
    bool RunTool(const QString& tool, const QStringList& arguments, QString* output = nullptr) const;
    // A raw queue, accepting and enabled, whose device is socket://127.0.0.1:port.
    bool AddRawQueue(const QString& name, int sinkPort) const;
    void RemoveQueue(const QString& name) const;

    ~PrivateCupsd();

private:
    PrivateCupsd();
    int port_ = 0;
    QString ownDir_;  // set when this process started cupsd itself
    QString skipReason_;
};

// Points TMPDIR at a folder of its own while it lives, so that the temporary files a
// test looks for are its own and never those of a test running beside it.
class PrivateTempDir {
public:
    PrivateTempDir();
    ~PrivateTempDir();
    PrivateTempDir(const PrivateTempDir&) = delete;
    PrivateTempDir& operator=(const PrivateTempDir&) = delete;
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;  // made in the folder TMPDIR named before
    QByteArray old_;
    bool hadOld_ = false;
};

// Accepts one connection on a loopback port and keeps every byte until the sender
// closes. Runs on its own thread, so the test may block in spooler calls meanwhile.
class ByteSink {
public:
    ByteSink();
    ~ByteSink();
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;

    int Port() const { return port_; }
    // True when a whole job came in within the time.
    bool WaitForJob(int timeoutMs);
    QByteArray Received() const;
    bool Connected() const { return connected_; }

private:
    void Serve();

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> connected_{false};
    mutable std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    QByteArray received_;
    std::thread thread_;
};

// zozavud-cli emulate on a free loopback port, its log read line by line.
class Emulator {
public:
    // Starts it with the memory document and any further options; Port() is 0 on failure.
    Emulator(const QString& memory, const QStringList& options = {});
    ~Emulator();
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;

    int Port() const { return port_; }
    // Waits until the log holds count job lines; returns them all.
    QStringList WaitForJobLines(int count, int timeoutMs = 10000);
    bool Running() const;
    // SIGTERM; true when it ended by itself with status 0.
    bool Stop();

private:
    std::unique_ptr<QProcess> process_;
    QStringList lines_;
    int port_ = 0;
};

// Connects, sends the bytes, ends its side (unless told not to) and waits for the other
// side to close: a raw print job as a printer port takes it. False when the connection
// failed, the bytes could not all be sent, or the other side never closed.
bool SendRawJob(int port, const QByteArray& bytes, int timeoutMs = 10000, bool endOwnSide = true);

// Skips the calling test, saying why, when no cupsd could be started.
#define REQUIRE_PRIVATE_CUPSD()                                                                   \
    do {                                                                                          \
        if (!::zozavud::test::PrivateCupsd::Instance().Available())                               \
            GTEST_SKIP() << ::zozavud::test::PrivateCupsd::Instance().SkipReason().toStdString(); \
    } while (0)

}  // namespace zozavud::test
