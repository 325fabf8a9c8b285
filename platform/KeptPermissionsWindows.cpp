#include "KeptPermissions.h"

namespace zozavud {

// A Windows file has no mode, owner or group of its own to carry over: what it may be
// used for comes from its folder.
KeptPermissions KeptPermissions::Of(const QString&) { return {}; }

bool KeptPermissions::GiveTo(QFileDevice&, QString*) const { return true; }

}  // namespace zozavud
