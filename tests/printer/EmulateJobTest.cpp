// The emulator's parts in-process: the port ends each job by its own limit and closes it
// only after the job was dealt with; the memory file is read afresh and written under
// the document lock for every job.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <thread>

#include "CommandEncoder.h"
#include "DocumentIo.h"
#include "MemoryDocument.h"
#include "PrinterTestData.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using End = ReceivedJob::End;
// What a sender does on its connection before it waits for the close.
using Sender = std::function<void(int fd)>;

void Send(int fd, const QByteArray& bytes) { ::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL); }

Sender Closing(const char* bytes) {
    return [bytes](int fd) {
        Send(fd, bytes);
        ::shutdown(fd, SHUT_WR);
    };
}

// The other side closed or reset the connection.
bool SawClose(int fd) {
    char byte;
    const ssize_t got = ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

struct Handled {
    ReceivedJob Job;
    int Sender = -1;            // index into the senders
    bool ClosedBefore = false;  // the sender saw the close before the handler ran
};

// Connects every sender in order, lets each act on its own thread, and runs the listener
// until every connection was handled or 5 s passed.
std::vector<Handled> Serve(const ListenerLimits& limits, const std::vector<Sender>& senders) {
    std::vector<int> fds(senders.size(), -1);
    std::vector<QString> peers(senders.size());
    std::vector<Handled> handled;
    QEventLoop loop;
    JobListener listener(limits, [&](const ReceivedJob& job) {
        const int index = static_cast<int>(std::find(peers.begin(), peers.end(), job.Peer) - peers.begin());
        handled.push_back({job, index, index < static_cast<int>(fds.size()) && SawClose(fds[index])});
        if (handled.size() == senders.size()) loop.quit();
    });
    if (!listener.Listen(QHostAddress::LocalHost, 0, nullptr)) return {};
    for (size_t i = 0; i < senders.size(); ++i) {
        fds[i] = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(listener.Port());
        if (::connect(fds[i], reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return {};
        socklen_t length = sizeof address;
        ::getsockname(fds[i], reinterpret_cast<sockaddr*>(&address), &length);
        peers[i] = QStringLiteral("127.0.0.1:%1").arg(ntohs(address.sin_port));
    }
    std::vector<std::thread> threads;
    for (size_t i = 0; i < senders.size(); ++i)
        threads.emplace_back([&, i] {
            senders[i](fds[i]);
            pollfd closing{fds[i], POLLIN, 0};
            ::poll(&closing, 1, 5000);
        });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    for (std::thread& thread : threads) thread.join();
    for (const int fd : fds) ::close(fd);
    return handled;
}

ListenerLimits ShortLimits() {
    ListenerLimits limits;
    limits.MaxJobBytes = 100;
    limits.IdleTimeoutMs = 300;
    limits.JobTimeoutMs = 500;
    return limits;
}

TEST(JobListener, EndsEachJobByItsOwnLimitAndClosesOnlyOnceItWasHandled) {
    const struct {
        const char* Name;
        Sender Does;
        End Ending;
        const char* Bytes;  // nullptr: not looked at
        const char* Detail;
    } cases[] = {
        {"closes after its bytes", Closing("job"), End::Complete, "job", ""},
        {"never closes", [](int fd) { Send(fd, "job"); }, End::Idle, "job", "no byte for 0.3 s"},
        {"one byte every 0.05 s, beyond the job's time",
         [](int fd) {
             for (int i = 0; i < 40 && !SawClose(fd);
                  ++i, std::this_thread::sleep_for(std::chrono::milliseconds(50)))
                 Send(fd, "x");
         },
         End::TimedOut, nullptr, "not done within 0.5 s"},
        {"more than the largest job", [](int fd) { Send(fd, QByteArray(101, 'x')); }, End::TooLarge, nullptr,
         "more than 100 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<Handled> handled = Serve(ShortLimits(), {c.Does});
        ASSERT_EQ(handled.size(), 1u);
        const ReceivedJob& job = handled[0].Job;
        EXPECT_EQ(job.Ending, c.Ending);
        EXPECT_EQ(job.Detail, c.Detail);
        if (c.Bytes) {
            EXPECT_EQ(job.Bytes, c.Bytes);
        }
        EXPECT_EQ(handled[0].Sender, 0) << job.Peer.toStdString();
        EXPECT_FALSE(handled[0].ClosedBefore);
    }
}

// One served, two waiting unread, the fourth refused at once; the waiting ones follow in
// the order they came once the first ends.
TEST(JobListener, PastTheCapConnectionsWaitInOrderAndPastTheWaitingRoomAreRefused) {
    ListenerLimits limits = ShortLimits();
    limits.MaxConnections = 1;
    limits.MaxWaiting = 2;
    const std::vector<Handled> handled =
        Serve(limits, {[](int) {}, Closing("second"), Closing("third"), Closing("fourth")});
    ASSERT_EQ(handled.size(), 4u);
    const struct {
        int Sender;
        End Ending;
        const char* Bytes;
    } expected[] = {
        {3, End::Refused, ""}, {0, End::Idle, ""}, {1, End::Complete, "second"}, {2, End::Complete, "third"}};
    for (size_t i = 0; i < handled.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(handled[i].Sender, expected[i].Sender);
        EXPECT_EQ(handled[i].Job.Ending, expected[i].Ending);
        EXPECT_EQ(handled[i].Job.Bytes, expected[i].Bytes);
    }
    EXPECT_EQ(handled[0].Job.Detail, "already 1 connection(s) served and 2 waiting");
}

// A connection that ends lets exactly one waiting connection in, not one past the cap:
// the third waits for the second to end although it is done at once.
TEST(JobListener, AnEndedConnectionLetsInNoMoreThanTheCapHolds) {
    ListenerLimits limits = ShortLimits();
    limits.MaxConnections = 1;
    const std::vector<Handled> handled = Serve(limits, {[](int) {}, [](int) {}, Closing("third")});
    ASSERT_EQ(handled.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(handled[i].Sender, i);
    EXPECT_EQ(handled[2].Job.Ending, End::Complete);
}

class MemoryDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        std::memcpy(sent->Signature, "LCD1", 4);
        for (int n = 1; n <= ImageCount; ++n) {
            sent->Record(n) = test::HandMadeRecord();
            sent->Record(n).ImageNo = static_cast<uint8_t>(n);
            sent->Record(n).RenderedData[LayerIndex(n, n)] = 0;  // a dot of its own
        }
    }
    static void Fresh(ImageSet& set) {
        std::memset(&set, 0, sizeof set);
        std::memcpy(set.Signature, "LCD1", 4);
    }
    ReceivedJob Register(int n, End ending = End::Complete, int cut = 0) const {
        QByteArray bytes = BuildCommand(CommandKind::RegisterImage, *sent, n);
        if (cut) bytes.chop(cut);
        return {"127.0.0.1:1", bytes, ending, ending == End::Idle ? "no byte for 0.3 s" : ""};
    }
    enum class Meanwhile { Nothing, EditImage5, HoldLock, Replace, Remove };
    // What another program does to the file between two jobs; a lock it took is held as
    // long as the result lives.
    std::unique_ptr<DocumentLock> Do(Meanwhile what) const {
        auto lock = std::make_unique<DocumentLock>(path);
        auto edited = std::make_unique<ImageSet>();
        if (what == Meanwhile::EditImage5 && LoadImageSetFile(path, *edited)) {
            edited->Record(5).VerticalPositionOffset = 3;
            SaveImageSetFile(path, *edited);
        }
        if (what == Meanwhile::Replace) test::WriteWholeFile(path, "not a memory");
        if (what == Meanwhile::Remove) QFile::remove(path);
        return what == Meanwhile::HoldLock && lock->Acquire(0) == DocumentLock::Result::Locked
                   ? std::move(lock)
                   : nullptr;
    }

    QTemporaryDir dir;
    QString path = dir.filePath("memory.lcd");
    std::unique_ptr<ImageSet> sent = std::make_unique<ImageSet>();
    std::unique_ptr<ImageSet> set = std::make_unique<ImageSet>();
    MemoryDocument memory{path, *set, [](ImageSet& s, int n) { s.Record(n).Blink = 0; }, Fresh, 200};
};

// Between a first job and a second, another program does something to the file; the
// second job must keep what the file holds then, or change nothing.
TEST_F(MemoryDocumentTest, EachJobReadsTheFileAfreshUnderTheLock) {
    const struct {
        const char* Name;
        Meanwhile Does;
        ReceivedJob Job;
        bool Applied;
        const char* Says;  // in the problem or the note
        bool FirstKept;    // when applied: slot 1 of the first job is still registered
    } cases[] = {
        {"an edit", Meanwhile::EditImage5, Register(2), true, "", true},
        {"holds the lock", Meanwhile::HoldLock, Register(2), false, "not stored, cannot lock", false},
        {"replaces it", Meanwhile::Replace, Register(2), false, "is not a document", false},
        {"removes it", Meanwhile::Remove, Register(2), true, "", false},
        {"silent sender, whole command", Meanwhile::Nothing, Register(2, End::Idle), true,
         "the peer did not close", true},
        {"silent sender, part of a command", Meanwhile::Nothing, Register(2, End::Idle, 9), false,
         "no byte for 0.3 s", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(path);
        bool missing = false;
        ASSERT_EQ(memory.Read(&missing), "");
        EXPECT_TRUE(missing);
        ASSERT_TRUE(memory.Take(Register(1)).Applied);
        const std::unique_ptr<DocumentLock> kept = Do(c.Does);
        const QByteArray meanwhile = test::ReadWholeFile(path);
        const JobVerdict verdict = memory.Take(c.Job);
        EXPECT_EQ(verdict.Applied, c.Applied);
        EXPECT_EQ(verdict.Kind, "register");
        EXPECT_TRUE((verdict.Problem + verdict.Note).contains(c.Says)) << verdict.Problem.toStdString();
        if (!c.Applied) {
            EXPECT_EQ(test::ReadWholeFile(path), meanwhile);
            continue;
        }
        const auto held = std::make_unique<ImageSet>();
        ASSERT_TRUE(LoadImageSetFile(path, *held));
        EXPECT_EQ(test::RegisteredEntry(*held, 2), test::RegisteredEntry(*sent, 2));
        EXPECT_EQ(test::RegisteredEntry(*held, 1) == test::RegisteredEntry(*sent, 1), c.FirstKept);
        EXPECT_EQ(held->Record(5).VerticalPositionOffset, c.Does == Meanwhile::EditImage5 ? 3 : 0);
    }
}

}  // namespace
}  // namespace zozavud
