#include "CommandAudit.h"

#include <algorithm>
#include <cstring>

namespace zozavud {

namespace {

constexpr uint8_t LeadIn[CommandLeadInSize] = {0x12, 0x14, 0x05, 0x2A, 0x3D, 0x21, 0x3F, 0x25, 0x23};
constexpr uint8_t Gs[3] = {0x1D, 0x28, 0x79};
constexpr char LcdName[] = "LCD       ";  // "LCD" and seven spaces
constexpr char Spaces[] = "          ";
constexpr uint8_t EntryGeometry[4] = {0x20, 0x00, 0x20, 0x00};
constexpr char ClearText[] = "CLR";

constexpr int64_t GsOffset = 9;
constexpr int64_t NameOffset = 12;
constexpr int64_t SpacesOffset = 22;
constexpr int64_t LengthOffset = 32;
constexpr int64_t DeleteBodySize = DeleteImageCommandSize - CommandPrefixSize;
constexpr int64_t DeleteAllBodySize = DeleteAllImagesCommandSize - CommandPrefixSize;
constexpr int PaddingStart = LcdRows * PixelBlockRowBytes;  // 800

const char* LayoutDescription(AuditedKind kind) {
    switch (kind) {
        case AuditedKind::Register:
            return "2 + 1031 bytes per entry, 1..19 entries";
        case AuditedKind::Delete:
            return "3 body bytes";
        case AuditedKind::DeleteAll:
            return "5 body bytes";
        case AuditedKind::Unknown:
            break;
    }
    return "";
}

QString Hex(const uint8_t* bytes, int64_t count) {
    QString text;
    for (int64_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
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
        return Matches(pos, LeadIn, CommandLeadInSize) && Matches(pos + GsOffset, Gs, 3);
    }

    // A damaged lead-in is still a command when its GS ( y is intact, and the last bytes
    // of a file are one when what is there of them matches.
    bool LooksLikeCommand(int64_t pos) const {
        if (Matches(pos + GsOffset, Gs, 3)) return true;
        return Present(pos, GsOffset + 3) < GsOffset + 3 &&
               FirstMismatch(pos, LeadIn, CommandLeadInSize) < 0 && FirstMismatch(pos + GsOffset, Gs, 3) < 0;
    }

    int64_t SkipNoise(int64_t pos) {
        int64_t next = pos + 1;
        while (next < size_ && !CommandStartsAt(next)) ++next;
        Problem(pos, QStringLiteral("%1 byte(s) that are not a command: a command begins with %2")
                         .arg(next - pos)
                         .arg(Hex(LeadIn, CommandLeadInSize)));
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
        CheckField(pos, LeadIn, CommandLeadInSize, "lead-in");
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

    AuditedKind ReadFunctionCode(int64_t body) {
        const uint8_t* code = bytes_ + body;
        if (code[0] == '0' && code[1] == 'p') return AuditedKind::Register;
        if (code[0] == '0' && code[1] == 'B') return AuditedKind::Delete;
        if (code[0] == '0' && code[1] == 'A') return AuditedKind::DeleteAll;
        Problem(
            body,
            QStringLiteral("unknown function code %1 (30 70, 30 42 or 30 41 expected)").arg(Hex(code, 2)));
        return AuditedKind::Unknown;
    }

    void ParseBody(AuditedCommand& command, int64_t body, int64_t extent) {
        switch (command.Kind) {
            case AuditedKind::Register:
                ParseEntries(command, body, extent);
                break;
            case AuditedKind::Delete:
                ParseDelete(command, body, extent);
                break;
            case AuditedKind::DeleteAll:
                if (extent < DeleteAllBodySize)
                    Problem(body + extent, "the delete-all body ends before \"CLR\"");
                else
                    CheckField(body + 2, ClearText, 3, "\"CLR\" after 30 41");
                break;
            case AuditedKind::Unknown:
                break;
        }
    }

    bool LayoutAllows(AuditedKind kind, int64_t length) const {
        switch (kind) {
            case AuditedKind::Register: {
                const int64_t entries = (length - 2) / ImageEntrySize;
                return length >= 2 && (length - 2) % ImageEntrySize == 0 && entries >= 1 &&
                       entries <= ImageCount;
            }
            case AuditedKind::Delete:
                return length == DeleteBodySize;
            case AuditedKind::DeleteAll:
                return length == DeleteAllBodySize;
            case AuditedKind::Unknown:
                return true;
        }
        return true;
    }

    // The body size of the layout that ends exactly where the data or the next command
    // begins; -1 when none does.
    int64_t CleanLayoutSize(AuditedKind kind, int64_t body, int64_t available) const {
        auto endsCleanly = [&](int64_t size) {
            return size <= available && (body + size == size_ || CommandStartsAt(body + size));
        };
        if (kind == AuditedKind::Register) {
            for (int entries = 1; entries <= ImageCount; ++entries)
                if (endsCleanly(2 + int64_t{entries} * ImageEntrySize))
                    return 2 + int64_t{entries} * ImageEntrySize;
        } else if (kind == AuditedKind::Delete && endsCleanly(DeleteBodySize)) {
            return DeleteBodySize;
        } else if (kind == AuditedKind::DeleteAll && endsCleanly(DeleteAllBodySize)) {
            return DeleteAllBodySize;
        }
        return -1;
    }

    // How many body bytes belong to this command. The length field frames it when it fits
    // the layout and ends where the data or the next command begins. Otherwise a layout
    // size that ends there frames it, and the field is the damaged part: a length that
    // fits some other layout (1033 on a register-all) is as wrong as one that fits none.
    int64_t BodyExtent(AuditedKind kind, int64_t body, int64_t length, int64_t available) {
        const bool allowed = LayoutAllows(kind, length);
        const bool endsCleanly =
            length <= available && (body + length == size_ || CommandStartsAt(body + length));
        if (allowed && endsCleanly) return length;
        const int64_t layout = CleanLayoutSize(kind, body, available);
        if (length <= available && layout >= 0) {  // a longer field was reported already
            Problem(body - 4, QStringLiteral("length field %1 does not agree with the %2 command: "
                                             "it has %3 body bytes (%4)")
                                  .arg(length)
                                  .arg(AuditedKindName(kind))
                                  .arg(layout)
                                  .arg(LayoutDescription(kind)));
        } else if (length <= available && !allowed) {
            Problem(body - 4, QStringLiteral("length field %1 does not fit a %2 command (%3)")
                                  .arg(length)
                                  .arg(AuditedKindName(kind), LayoutDescription(kind)));
        }
        return layout >= 0 ? layout : std::min(length, available);
    }

    void ParseDelete(AuditedCommand& command, int64_t body, int64_t extent) {
        if (extent < DeleteBodySize) {
            Problem(body + extent, "the delete body ends before its image index");
            return;
        }
        command.DeleteIndex = bytes_[body + 2];
        if (*command.DeleteIndex >= ImageCount)
            Problem(body + 2, QStringLiteral("image index %1 outside 0..18").arg(*command.DeleteIndex));
    }

    void ParseEntries(AuditedCommand& command, int64_t body, int64_t extent) {
        const int64_t end = body + extent;
        if (extent <= 2) Problem(body + 2, "a register command without any entry");
        int64_t firstOffset[256];
        std::fill(std::begin(firstOffset), std::end(firstOffset), -1);
        for (int64_t at = body + 2; at < end; at += ImageEntrySize) {
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
        CheckField(at + 3, EntryGeometry, 4, "32 bytes per row and 32 rows");
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
