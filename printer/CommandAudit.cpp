#include "CommandAudit.h"

#include <QStringList>
#include <algorithm>
#include <cstring>

namespace zozavud {

namespace {

constexpr int64_t GsOffset = CommandLeadInSize;
constexpr int64_t NameOffset = GsOffset + 3;
constexpr int64_t SpacesOffset = NameOffset + 10;
constexpr int64_t LengthOffset = CommandLengthOffset;
constexpr auto* Gs = CommandHeaderText;
constexpr auto* LcdName = CommandHeaderText + 3;            // "LCD" and seven spaces
constexpr auto* Spaces = CommandHeaderText + 13;            // ten spaces
constexpr int PaddingStart = LcdRows * PixelBlockRowBytes;  // 800

QString Hex(const uint8_t* bytes, int64_t count) {
    QString text;
    for (int64_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

QString LayoutDescription(const CommandLayout& layout) {
    if (layout.Body == CommandBody::Entries)
        return QStringLiteral("%1 + %2 bytes per entry, 1..%3 entries")
            .arg(CommandFunctionSize)
            .arg(ImageEntrySize)
            .arg(MaxCommandEntries);
    return QStringLiteral("%1 body bytes").arg(layout.BodySize());
}

QString FunctionCodes(const CommandLayout& layout) {
    return Hex(reinterpret_cast<const uint8_t*>(layout.Code), CommandFunctionSize);
}

// "30 70, 30 42 or 30 41": each function code once, in table order.
QString KnownFunctionCodes() {
    QStringList codes;
    for (const CommandLayout& layout : CommandLayouts)
        if (!codes.contains(FunctionCodes(layout))) codes << FunctionCodes(layout);
    const QString last = codes.takeLast();
    return codes.isEmpty() ? last : codes.join(", ") + " or " + last;
}

// Whether a body of this length fits the layout; a register command takes 1..19 entries.
bool BodySizeAllowed(const CommandLayout& layout, int64_t length) {
    if (layout.Body != CommandBody::Entries) return length == layout.BodySize();
    const int64_t entries = (length - CommandFunctionSize) / ImageEntrySize;
    return length >= CommandFunctionSize && (length - CommandFunctionSize) % ImageEntrySize == 0 &&
           entries >= 1 && entries <= MaxCommandEntries;
}

class Parser {
public:
    Parser(const QByteArray& data, Audit& out)
        : bytes_(reinterpret_cast<const uint8_t*>(data.constData())), size_(data.size()), out_(out) {}

    void Run() {
        if (size_ == 0) Problem(0, "the file is empty: no command");
        int64_t pos = 0;
        while (pos < size_) pos = LooksLikeCommand(pos) ? ParseCommand(pos) : SkipNoise(pos);
    }

private:
    const uint8_t* bytes_;
    int64_t size_;
    Audit& out_;

    void Problem(int64_t offset, const QString& message) {
        if (++out_.ProblemCount <= AuditKeptProblems) out_.Problems.push_back({offset, message});
    }

    // Every command is replayed; only the first few are kept whole.
    void Keep(AuditedCommand&& command) {
        ReplayCommand(command, out_.Held);
        if (++out_.CommandCount <= AuditKeptCommands) out_.Commands.push_back(std::move(command));
    }

    int64_t Present(int64_t from, int64_t count) const { return std::clamp<int64_t>(size_ - from, 0, count); }

    // First offset in from..from+count whose byte differs, over the bytes present; -1 if none.
    int64_t FirstMismatch(int64_t from, const void* expected, int64_t count) const {
        const auto* want = static_cast<const uint8_t*>(expected);
        const int64_t present = Present(from, count);
        for (int64_t i = 0; i < present; ++i)
            if (bytes_[from + i] != want[i]) return from + i;
        return -1;
    }

    bool Matches(int64_t from, const void* expected, int64_t count) const {
        return Present(from, count) == count && FirstMismatch(from, expected, count) < 0;
    }

    // A whole lead-in with GS ( y after it: where a following command may start.
    bool CommandStartsAt(int64_t pos) const {
        return Matches(pos, CommandLeadIn, CommandLeadInSize) && Matches(pos + GsOffset, Gs, 3);
    }

    // A damaged lead-in is still a command when its GS ( y is intact, and the last bytes
    // of a file are one when what is there of them matches.
    bool LooksLikeCommand(int64_t pos) const {
        if (Matches(pos + GsOffset, Gs, 3)) return true;
        return Present(pos, GsOffset + 3) < GsOffset + 3 &&
               FirstMismatch(pos, CommandLeadIn, CommandLeadInSize) < 0 &&
               FirstMismatch(pos + GsOffset, Gs, 3) < 0;
    }

    int64_t SkipNoise(int64_t pos) {
        int64_t next = pos + 1;
        while (next < size_ && !CommandStartsAt(next)) ++next;
        Problem(pos, QStringLiteral("%1 byte(s) that are not a command: a command begins with %2")
                         .arg(next - pos)
                         .arg(Hex(CommandLeadIn, CommandLeadInSize)));
        return next;
    }

    void CheckField(int64_t from, const void* expected, int64_t count, const QString& what) {
        const int64_t bad = FirstMismatch(from, expected, count);
        if (bad < 0) return;
        Problem(bad, QStringLiteral("%1 expected (%2), found %3")
                         .arg(what, Hex(static_cast<const uint8_t*>(expected), count),
                              Hex(bytes_ + from, Present(from, count))));
    }

    uint32_t ReadLength(int64_t at) const {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= uint32_t{bytes_[at + i]} << (8 * i);
        return value;
    }

    int64_t ParseCommand(int64_t pos) {
        AuditedCommand command;
        command.Offset = pos;
        if (out_.CommandCount > 0)
            Problem(pos, QStringLiteral("command %1 of the file: a command file holds exactly one "
                                        "command")
                             .arg(out_.CommandCount + 1));
        CheckField(pos, CommandLeadIn, CommandLeadInSize, "lead-in");
        CheckField(pos + GsOffset, Gs, 3, "GS ( y");
        CheckField(pos + NameOffset, LcdName, 10, "\"LCD\" and seven spaces");
        CheckField(pos + SpacesOffset, Spaces, 10, "ten spaces");
        if (Present(pos, CommandPrefixSize) < CommandPrefixSize) {
            Problem(size_, QStringLiteral("command at offset %1 cut short: %2 of its %3 lead-in and "
                                          "header bytes")
                               .arg(pos)
                               .arg(size_ - pos)
                               .arg(CommandPrefixSize));
            Keep(std::move(command));
            return size_;
        }
        command.BodyLength = ReadLength(pos + LengthOffset);
        const int64_t body = pos + CommandPrefixSize;
        const int64_t available = size_ - body;
        const int64_t length = command.BodyLength;
        if (length > available)
            Problem(
                pos + LengthOffset,
                QStringLiteral("length field says %1 body bytes, only %2 follow").arg(length).arg(available));
        if (available < 2) {
            Problem(body, "the body ends before its function code");
            Keep(std::move(command));
            return size_;
        }
        command.Kind = ReadFunctionCode(body);
        const int64_t extent = BodyExtent(command.Kind, body, length, available);
        ParseBody(command, body, extent);
        Keep(std::move(command));
        return body + extent;
    }

    std::optional<CommandKind> ReadFunctionCode(int64_t body) {
        const uint8_t* code = bytes_ + body;
        const std::optional<CommandKind> kind = KindOfFunction(code[0], code[1]);
        if (!kind)
            Problem(body, QStringLiteral("unknown function code %1 (%2 expected)")
                              .arg(Hex(code, CommandFunctionSize), KnownFunctionCodes()));
        return kind;
    }

    void ParseBody(AuditedCommand& command, int64_t body, int64_t extent) {
        if (!command.Kind) return;
        const CommandLayout& layout = LayoutOf(*command.Kind);
        switch (layout.Body) {
            case CommandBody::Entries:
                ParseEntries(command, body, extent);
                command.Kind = KindOfEntries(*command.Kind, static_cast<int>(command.Entries.size()));
                break;
            case CommandBody::SlotIndex:
                ParseDelete(command, body, extent);
                break;
            case CommandBody::AllSlots:
                ParseText(layout, body, extent);
                break;
        }
    }

    void ParseText(const CommandLayout& layout, int64_t body, int64_t extent) {
        const int64_t textSize = layout.BodySize() - CommandFunctionSize;
        if (extent < layout.BodySize())
            Problem(body + extent,
                    QStringLiteral("the %1 body ends before \"%2\"").arg(layout.Name, layout.Text));
        else
            CheckField(body + CommandFunctionSize, layout.Text, textSize,
                       QStringLiteral("\"%1\" after %2").arg(layout.Text, FunctionCodes(layout)));
    }

    // The body size of the layout that ends exactly where the data or the next command
    // begins; -1 when none does.
    int64_t CleanLayoutSize(const CommandLayout& layout, int64_t body, int64_t available) const {
        auto endsCleanly = [&](int64_t size) {
            return size <= available && (body + size == size_ || CommandStartsAt(body + size));
        };
        if (layout.Body != CommandBody::Entries)
            return endsCleanly(layout.BodySize()) ? layout.BodySize() : -1;
        for (int entries = 1; entries <= MaxCommandEntries; ++entries)
            if (endsCleanly(CommandFunctionSize + int64_t{entries} * ImageEntrySize))
                return CommandFunctionSize + int64_t{entries} * ImageEntrySize;
        return -1;
    }

    // How many body bytes belong to this command. The length field frames it when it fits
    // the layout and ends where the data or the next command begins. Otherwise a layout
    // size that ends there frames it, and the field is the damaged part: a length that
    // fits some other layout (1033 on a register-all) is as wrong as one that fits none.
    int64_t BodyExtent(const std::optional<CommandKind>& kind, int64_t body, int64_t length,
                       int64_t available) {
        if (!kind) return std::min(length, available);
        const CommandLayout& layout = LayoutOf(*kind);
        const bool allowed = BodySizeAllowed(layout, length);
        const bool endsCleanly =
            length <= available && (body + length == size_ || CommandStartsAt(body + length));
        if (allowed && endsCleanly) return length;
        const int64_t clean = CleanLayoutSize(layout, body, available);
        if (length <= available && clean >= 0) {  // a longer field was reported already
            Problem(body - 4, QStringLiteral("length field %1 does not agree with the %2 command: "
                                             "it has %3 body bytes (%4)")
                                  .arg(length)
                                  .arg(layout.Name)
                                  .arg(clean)
                                  .arg(LayoutDescription(layout)));
        } else if (length <= available && !allowed) {
            Problem(body - 4, QStringLiteral("length field %1 does not fit a %2 command (%3)")
                                  .arg(length)
                                  .arg(layout.Name, LayoutDescription(layout)));
        }
        return clean >= 0 ? clean : std::min(length, available);
    }

    void ParseDelete(AuditedCommand& command, int64_t body, int64_t extent) {
        if (extent < LayoutOf(CommandKind::DeleteImage).BodySize()) {
            Problem(body + extent, "the delete body ends before its image index");
            return;
        }
        command.DeleteIndex = bytes_[body + CommandFunctionSize];
        if (*command.DeleteIndex >= ImageCount)
            Problem(body + CommandFunctionSize,
                    QStringLiteral("image index %1 outside 0..18").arg(*command.DeleteIndex));
    }

    void ParseEntries(AuditedCommand& command, int64_t body, int64_t extent) {
        const int64_t end = body + extent;
        if (extent <= CommandFunctionSize)
            Problem(body + CommandFunctionSize, "a register command without any entry");
        int64_t firstOffset[256];
        std::fill(std::begin(firstOffset), std::end(firstOffset), -1);
        for (int64_t at = body + CommandFunctionSize; at < end; at += ImageEntrySize) {
            AuditedEntry entry = ParseEntry(at, std::min<int64_t>(ImageEntrySize, end - at));
            if (firstOffset[entry.Index] >= 0)
                Problem(at, QStringLiteral("image index %1 registered twice in one command (first at "
                                           "offset %2)")
                                .arg(entry.Index)
                                .arg(firstOffset[entry.Index]));
            else
                firstOffset[entry.Index] = at;
            command.Entries.push_back(entry);
        }
    }

    AuditedEntry ParseEntry(int64_t at, int64_t present) {
        AuditedEntry entry;
        entry.Offset = at;
        entry.Complete = present == ImageEntrySize;
        if (!entry.Complete)
            Problem(at,
                    QStringLiteral("entry cut short: %1 of its %2 bytes").arg(present).arg(ImageEntrySize));
        const uint8_t* e = bytes_ + at;
        entry.Index = e[0];
        if (entry.Index >= ImageCount)
            Problem(at, QStringLiteral("image index %1 outside 0..18").arg(entry.Index));
        if (present < 3) return entry;
        entry.Blink = e[1];
        entry.Scroll = e[2];
        if (entry.Blink > 1)
            Problem(at + 1, QStringLiteral("blink byte %1, 0 or 1 expected").arg(entry.Blink));
        if (entry.Scroll > 1)
            Problem(at + 2, QStringLiteral("scroll byte %1, 0 or 1 expected").arg(entry.Scroll));
        if (entry.Blink != 0 && entry.Scroll != 0)
            Problem(at + 1, "blink and scroll both set: an entry carries one of them at most");
        CheckField(at + 3, ImageEntryGeometry, 4, "32 bytes per row and 32 rows");
        const int64_t pixels = std::max<int64_t>(0, present - 7);
        if (pixels > 0) std::memcpy(entry.Pixels.data(), e + 7, static_cast<size_t>(pixels));
        for (int64_t i = PaddingStart; i < pixels; ++i) {
            if (entry.Pixels[i] == 0) continue;
            Problem(at + 7 + i, QStringLiteral("pixel row %1 has dots: rows 25..31 must be zero")
                                    .arg(i / PixelBlockRowBytes));
            break;
        }
        return entry;
    }
};

}  // namespace

Audit AuditCommands(const QByteArray& data) {
    Audit audit;
    Parser(data, audit).Run();
    return audit;
}

}  // namespace zozavud
