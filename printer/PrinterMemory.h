#pragma once
// The printer's picture memory kept as a document: what a whole, valid job does to it.
// A registered slot holds the entry's dots as its bitmap, with a blank text line over
// them, so that the editor draws the same picture and the encoder gives back the entry
// byte for byte. A deleted slot is made fresh again: it shows its default message.

#include <QByteArray>
#include <QString>
#include <functional>

#include "CommandAudit.h"
#include "ImageSet.h"
#include "JobListener.h"

namespace zozavud {

struct JobVerdict {
    bool Applied = false;
    QString Kind = QStringLiteral("-");   // register, delete, delete-all, or - when unknown
    QString Slots = QStringLiteral("-");  // image numbers, as 1-19 or 2,5
    QString Problem;                      // the first one found, with its offset
    QString Note;                         // of an applied job whose sender did not end it
};

// Resets image n (1..19) to a fresh image and renders it.
using FreshImage = std::function<void(ImageSet& set, int n)>;

// Writes the entry's picture and attributes into the record of its slot.
void StoreRegisteredEntry(const AuditedEntry& entry, ImageRecord& record);

// Audits the job; applies it to the set only when it is exactly one whole, valid command.
JobVerdict ApplyJob(const QByteArray& job, ImageSet& set, const FreshImage& fresh);

// Whether the job may carry a command to apply: it ended with its sender's close, or
// with a silence after some bytes.
bool MayCarryCommand(const ReceivedJob& job);

// A job as the port received it. It is applied as ApplyJob does when its sender closed,
// and also when the sender went silent without closing after exactly one whole, valid
// command (the verdict notes that); a job cut off by any other limit changes nothing.
JobVerdict ApplyReceivedJob(const ReceivedJob& job, ImageSet& set, const FreshImage& fresh);

// 1,2,3,7 -> "1-3,7".
QString SlotList(const std::vector<int>& numbers);

}  // namespace zozavud
