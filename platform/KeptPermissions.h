#pragma once
// What a file written anew in place of another keeps of it: its mode and group, and its
// owner where we may (as root; a file that is already ours stays ours anyway).

#include <QFileDevice>
#include <QString>

namespace zozavud {

class KeptPermissions {
public:
    // Read from the file at path, through a symlink; nothing to keep where there is none.
    static KeptPermissions Of(const QString& path);
    // Gives them to the open replacement; false with error when its mode cannot be given.
    bool GiveTo(QFileDevice& replacement, QString* error) const;

private:
    bool known_ = false;
    unsigned mode_ = 0;
    long long owner_ = -1, group_ = -1;
};

}  // namespace zozavud
