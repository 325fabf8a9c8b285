// zozavud-cli emulate as a whole: a burst of senders is never turned away unlogged, and
// neither a second emulator nor an edit of the memory undoes another's changes.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <algorithm>

#include "CliProcess.h"
#include "DocumentIo.h"
#include "PrinterTestData.h"
#include "SendSupport.h"

namespace zozavud {
namespace {

// Opens count connections at once, each sending the bytes and ending its side; returns
// how many saw the emulator close them (a reset or no answer counts against it).
int CleanClosesOfABurst(int port, int count, const QByteArray& bytes) {
    std::vector<pollfd> fds;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    for (int i = 0; i < count; ++i) {
        fds.push_back({::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0), POLLOUT, 0});
        // Non-blocking: still in progress on return; the poll below sees it connect.
        (void)::connect(fds.back().fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    int clean = 0;
    for (const QDeadlineTimer deadline(20000);
         !deadline.hasExpired() && ::poll(fds.data(), fds.size(), 100) >= 0;) {
        for (pollfd& p : fds) {
            char byte;
            if (p.revents == 0) continue;
            if (p.events == POLLOUT &&
                ::send(p.fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL) == bytes.size()) {
                ::shutdown(p.fd, SHUT_WR);
                p.events = POLLIN;
                continue;
            }
            clean += p.events == POLLIN && ::recv(p.fd, &byte, 1, 0) == 0;
            ::close(p.fd);
            p.fd = -1;  // poll passes over it from now on
        }
        if (std::all_of(fds.begin(), fds.end(), [](const pollfd& p) { return p.fd < 0; })) break;
    }
    for (const pollfd& p : fds)
        if (p.fd >= 0) ::close(p.fd);
    return clean;
}

class EmulateRunTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
    QString memory = dir.filePath("memory.lcd");
};

// With the system's own listen queue, a burst of this size had dozens of connections
// reset before the emulator ever saw them.
TEST_F(EmulateRunTest, ABurstBeyondTheCapIsLoggedAndClosedForEveryConnection) {
    constexpr int Senders = 200;
    test::Emulator emulator(memory, {"--max-connections", "50"});
    ASSERT_GT(emulator.Port(), 0);
    EXPECT_EQ(CleanClosesOfABurst(emulator.Port(), Senders, QByteArray(10, '\xA5')), Senders);
    const QStringList log = emulator.WaitForJobLines(Senders);
    EXPECT_EQ(log.size(), Senders);
    EXPECT_EQ(log.filter(" refused: offset 0: 10 byte(s) that are not a command").size(), Senders);
}

TEST_F(EmulateRunTest, ASecondEmulatorIsRefusedAndAnEditOrASenderThatNeverClosesIsKept) {
    const auto sample = test::MakeSampleSet();
    test::Emulator first(memory, {"--idle-timeout", "0.3"});
    ASSERT_GT(first.Port(), 0);
    const test::CliRun second =
        test::RunCli({"emulate", "--memory", memory, "--listen", "127.0.0.1:0"}, 10000);
    EXPECT_EQ(second.ExitCode, 1);
    EXPECT_TRUE(second.Err.contains("another emulator is using")) << second.Err.toStdString();
    EXPECT_EQ(test::RunCli({"emulate", "--memory", memory, "--job-timeout", "0"}).ExitCode, 2);

    ASSERT_EQ(test::RunCli({"edit", memory, "--image", "5", "--text1", "EDITED"}).ExitCode, 0);
    // As netcat without -N sends: the whole command, then silence with the connection open.
    EXPECT_TRUE(
        test::SendRawJob(first.Port(), BuildCommand(CommandKind::RegisterImage, *sample, 9), 5000, false));
    const QStringList log = first.WaitForJobLines(1);
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].endsWith("register 9 applied (the peer did not close)")) << log[0].toStdString();
    auto held = std::make_unique<ImageSet>();
    ASSERT_TRUE(LoadImageSetFile(memory, *held));
    EXPECT_EQ(test::RegisteredEntry(*held, 9), test::RegisteredEntry(*sample, 9));
    const ShortString& text = held->Record(5).Text1;
    EXPECT_EQ(QByteArray(text.Bytes, text.Length), "EDITED");
    EXPECT_TRUE(first.Stop());
}

}  // namespace
}  // namespace zozavud
