// The emulator's job path in memory: arbitrary bytes as a received job, audited and
// applied to a memory set. Nothing may crash, a job that is not applied changes nothing,
// and an applied one leaves the printer's memory as the command says.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "CommandAudit.h"
#include "CommandEncoder.h"
#include "PrinterMemory.h"

namespace zozavud {

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_job: %s\n", what);
    std::abort();
}

// A fresh slot here is a blank record with its number: enough to tell it was reset.
void Fresh(ImageSet& set, int n) {
    set.Record(n) = ImageRecord{};
    set.Record(n).ImageNo = n;
}

bool SameRecord(const ImageRecord& a, const ImageRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void CheckAudit(const Audit& audit) {
    if (audit.Commands.size() > AuditKeptCommands || audit.Problems.size() > AuditKeptProblems)
        Fail("the audit kept too much");
    if (audit.CommandCount < static_cast<int64_t>(audit.Commands.size()) ||
        audit.ProblemCount < static_cast<int64_t>(audit.Problems.size()))
        Fail("the audit's counts miss what it kept");
    for (const AuditedCommand& command : audit.Commands)
        if (command.Entries.size() > MaxCommandEntries && audit.Clean()) Fail("too many entries passed");
}

// Each registered slot gives back the job's entry byte for byte; each other slot the
// command names is fresh; the rest are as they were.
void CheckApplied(const AuditedCommand& command, const QByteArray& job, const ImageSet& before,
                  const ImageSet& after) {
    bool named[ImageCount + 1] = {};
    for (const AuditedEntry& entry : command.Entries) {
        named[entry.Index + 1] = true;
        const QByteArray again = BuildCommand(CommandKind::RegisterImage, after, entry.Index + 1);
        if (std::memcmp(again.constData() + CommandPrefixSize + CommandFunctionSize,
                        job.constData() + entry.Offset, ImageEntrySize) != 0)
            Fail("a stored entry does not encode back to its bytes");
    }
    if (command.DeleteIndex) named[*command.DeleteIndex + 1] = true;
    const bool all = BodyOf(command) == CommandBody::AllSlots;
    for (int n = 1; n <= ImageCount; ++n) {
        ImageRecord fresh{};
        fresh.ImageNo = n;
        if ((all || named[n]) && command.Entries.empty() && !SameRecord(after.Record(n), fresh))
            Fail("a deleted slot is not fresh");
        if (!all && !named[n] && !SameRecord(after.Record(n), before.Record(n)))
            Fail("an unnamed slot changed");
    }
}

}  // namespace

}  // namespace zozavud

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zozavud;
    static const auto before = [] {
        auto set = std::make_unique<ImageSet>();
        for (int n = 1; n <= ImageCount; ++n) {
            set->Record(n).ImageNo = n;
            set->Record(n).Blink = 1;  // unlike a fresh slot
        }
        return set;
    }();
    const QByteArray job(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Audit audit = AuditCommands(job);
    CheckAudit(audit);

    // A sender that went silent is applied as one that closed, when the job is whole.
    for (const auto ending :
         {ReceivedJob::End::Complete, ReceivedJob::End::Idle, ReceivedJob::End::TooLarge}) {
        auto set = std::make_unique<ImageSet>(*before);
        const JobVerdict verdict = ApplyReceivedJob({"fuzz", job, ending, "cut off"}, *set, Fresh);
        const AuditedCommand* sole = audit.SoleCommand();
        const bool expected = sole && ending != ReceivedJob::End::TooLarge;
        if (verdict.Applied != expected)
            Fail("applied a job that is not one whole, valid command, or refused one");
        if (verdict.Applied != verdict.Problem.isEmpty())
            Fail("a verdict's problem disagrees with its outcome");
        if (!verdict.Applied && std::memcmp(set.get(), before.get(), sizeof(ImageSet)) != 0)
            Fail("a job that was not applied changed the memory");
        if (verdict.Applied) CheckApplied(*sole, job, *before, *set);
    }
    return 0;
}
