#pragma once
// Where the single-instance lock and the hand-over socket live: a folder that no other user
// can write, so that nobody else can plant a lock or a socket there to capture the editor.

#include <QString>

namespace zozavud {

// Makes the folder when it is missing (for us alone) and tells whether it is ours alone: a
// real folder, never a link followed, owned by us, that neither group nor others may write.
// False with the reason otherwise.
bool MakePrivateFolder(const QString& path, QString* reason);

// Whether what stands at path (a link itself, not what it points to) belongs to another
// user. Nothing there belongs to nobody.
bool OwnedByOtherUser(const QString& path);

// The name of our own folder in the temporary folder, for when the runtime folder is unusable.
QString OwnFolderName();

struct LockFolder {
    QString Path;     // empty when no private folder could be had,
    QString Refused;  // and then the last one tried
    QString Reason;   // with what is wrong with it
};

// The runtime folder when it is ours alone, else our own folder in the temporary folder.
LockFolder PrivateLockFolder();

}  // namespace zozavud
