#pragma once
// The printer's memory as the file the emulator keeps it in. Every job reads the file
// afresh and writes it back under the document lock, so that an edit of the file between
// two jobs, or any other writer that takes the lock, keeps its changes.

#include <QString>
#include <functional>

#include "DocumentLock.h"
#include "PrinterMemory.h"

namespace zozavud {

class MemoryDocument {
public:
    // Fills the set as a fresh memory: what a missing file stands for.
    using FreshMemory = std::function<void(ImageSet& set)>;

    // The memory is read into set and changed there; fresh resets a deleted image.
    MemoryDocument(QString path, ImageSet& set, FreshImage fresh, FreshMemory freshMemory,
                   int lockWaitMs = DocumentLock::DefaultWaitMs);

    // Reads the file into the set; a missing one makes it fresh and sets missing. Anything
    // but a document is refused with the reason, the set left as it was.
    QString Read(bool* missing = nullptr);

    // Applies the job as ApplyReceivedJob does, between a read and a write of the file
    // under its lock. A job that cannot be stored changes neither the file nor the set.
    JobVerdict Take(const ReceivedJob& job);

    const QString& Path() const { return path_; }

private:
    static JobVerdict NotStored(JobVerdict verdict, const QString& problem);

    QString path_;
    ImageSet& set_;
    FreshImage fresh_;
    FreshMemory freshMemory_;
    int lockWaitMs_;
};

}  // namespace zozavud
