#include "MemoryDocument.h"

#include <QFileInfo>
#include <memory>

#include "DocumentIo.h"

namespace zozavud {

MemoryDocument::MemoryDocument(QString path, ImageSet& set, FreshImage fresh, FreshMemory freshMemory,
                               int lockWaitMs)
    : path_(std::move(path)),
      set_(set),
      fresh_(std::move(fresh)),
      freshMemory_(std::move(freshMemory)),
      lockWaitMs_(lockWaitMs) {}

QString MemoryDocument::Read(bool* missing) {
    const QFileInfo info(path_);
    if (missing) *missing = !info.exists();
    if (!info.exists()) {
        freshMemory_(set_);
        return {};
    }
    const auto notADocument = [this](const QString& why) {
        return QStringLiteral("%1 is not a document: %2").arg(path_, why);
    };
    // Looked at before it is opened: reading a pipe would block every job behind it.
    if (!info.isFile()) return notADocument(QStringLiteral("not a regular file"));
    if (info.size() != static_cast<qint64>(sizeof(ImageSet)))
        return notADocument(NotADocumentReason(info.size(), {}));
    auto read = std::make_unique<ImageSet>();
    QString error, reason;
    if (!LoadImageSetFile(path_, *read, &error, &reason))
        return QStringLiteral("cannot read %1: %2").arg(path_, error);
    if (!reason.isEmpty()) return notADocument(reason);
    set_ = *read;
    return {};
}

JobVerdict MemoryDocument::Take(const ReceivedJob& job) {
    // First on a copy: a job that changes nothing touches neither the lock nor the file.
    JobVerdict verdict = ApplyReceivedJob(job, *std::make_unique<ImageSet>(set_), [](ImageSet&, int) {});
    if (!verdict.Applied) return verdict;
    DocumentLock lock(path_);
    QString problem;
    // Where no lock file can be made, neither can the memory be written, and the write
    // says why in its own words.
    if (DocumentLock::StopsTheWrite(lock.Acquire(lockWaitMs_, &problem)))
        return NotStored(verdict, QStringLiteral("cannot lock %1: %2").arg(path_, problem));
    if (problem = Read(); !problem.isEmpty()) return NotStored(verdict, problem);
    const auto before = std::make_unique<ImageSet>(set_);
    verdict = ApplyReceivedJob(job, set_, fresh_);
    QString error;
    if (!SaveImageSetFile(path_, set_, &error)) {
        set_ = *before;
        return NotStored(verdict, QStringLiteral("cannot write %1: %2").arg(path_, error));
    }
    return verdict;
}

JobVerdict MemoryDocument::NotStored(JobVerdict verdict, const QString& problem) {
    verdict.Applied = false;
    verdict.Note.clear();
    verdict.Problem = "not stored, " + problem;
    return verdict;
}

}  // namespace zozavud
