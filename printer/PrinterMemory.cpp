#include "PrinterMemory.h"

#include <QStringList>
#include <algorithm>

namespace zozavud {

namespace {

constexpr int32_t DotColor = 0x000000;

std::vector<int> SlotsOf(const AuditedCommand& command) {
    std::vector<int> numbers;
    const std::optional<CommandBody> body = BodyOf(command);
    if (!body) return numbers;
    switch (*body) {
        case CommandBody::Entries:
            for (const AuditedEntry& entry : command.Entries) numbers.push_back(entry.Index + 1);
            break;
        case CommandBody::SlotIndex:
            if (command.DeleteIndex) numbers.push_back(*command.DeleteIndex + 1);
            break;
        case CommandBody::AllSlots:
            for (int n = 1; n <= ImageCount; ++n) numbers.push_back(n);
            break;
    }
    return numbers;
}

}  // namespace

void StoreRegisteredEntry(const AuditedEntry& entry, ImageRecord& record) {
    // One space: a text that draws nothing, where an empty one would draw the default message.
    record.Text1.Length = 1;
    record.Text1.Bytes[0] = ' ';
    record.Text2.Length = 0;
    record.VerticalPositionOffset = 0;
    // The renderer derives Scroll from the text; WideBitmap keeps a registered scroll.
    record.Scroll = 0;
    record.WideBitmap = entry.Scroll;
    record.Blink = entry.Blink;
    for (int x = 0; x < LcdColumns; ++x) {
        for (int y = 0; y < LcdRows; ++y) {
            const int32_t color = PixelBlockDot(entry.Pixels, x, y) ? DotColor : ColorBlank;
            record.BitmapData[LayerIndex(x, y)] = color;
            record.RenderedData[LayerIndex(x, y)] = color;
        }
    }
}

QString SlotList(const std::vector<int>& numbers) {
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QStringList parts;
    for (size_t i = 0; i < sorted.size();) {
        size_t last = i;
        while (last + 1 < sorted.size() && sorted[last + 1] == sorted[last] + 1) ++last;
        parts << (last > i ? QStringLiteral("%1-%2").arg(sorted[i]).arg(sorted[last])
                           : QString::number(sorted[i]));
        i = last + 1;
    }
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(',');
}

JobVerdict ApplyJob(const QByteArray& job, ImageSet& set, const FreshImage& fresh) {
    const Audit audit = AuditCommands(job);
    JobVerdict verdict;
    if (!audit.Commands.empty()) {
        const AuditedCommand& first = audit.Commands.front();
        if (first.Kind) verdict.Kind = KindName(first.Kind);
        verdict.Slots = SlotList(SlotsOf(first));
    }
    const AuditedCommand* command = audit.SoleCommand();
    if (!command) {
        verdict.Problem = audit.Problems.empty() ? QStringLiteral("no command")
                                                 : QStringLiteral("offset %1: %2")
                                                       .arg(audit.Problems.front().Offset)
                                                       .arg(audit.Problems.front().Message);
        return verdict;
    }
    if (BodyOf(*command) == CommandBody::Entries) {
        for (const AuditedEntry& entry : command->Entries)
            StoreRegisteredEntry(entry, set.Record(entry.Index + 1));
    } else {
        for (int n : SlotsOf(*command)) fresh(set, n);
    }
    verdict.Applied = true;
    return verdict;
}

bool MayCarryCommand(const ReceivedJob& job) {
    return job.Ending == ReceivedJob::End::Complete ||
           (job.Ending == ReceivedJob::End::Idle && !job.Bytes.isEmpty());
}

JobVerdict ApplyReceivedJob(const ReceivedJob& job, ImageSet& set, const FreshImage& fresh) {
    if (!MayCarryCommand(job)) {
        JobVerdict verdict;
        verdict.Problem = job.Detail;
        return verdict;
    }
    JobVerdict verdict = ApplyJob(job.Bytes, set, fresh);
    if (job.Ending == ReceivedJob::End::Idle) {
        if (verdict.Applied)
            verdict.Note = QStringLiteral("the peer did not close");
        else
            verdict.Problem = job.Detail;
    }
    return verdict;
}

}  // namespace zozavud
