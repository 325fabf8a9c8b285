#pragma once
// Where temporary files go.

namespace zozavud {

// Drops a TMPDIR that names no folder, so that temporary files, local sockets and the
// runtime folder go to /tmp: with it, Qt's temporary path is empty and they would land in
// the root folder. Called first thing by both programs.
void ForgetMissingTemporaryFolder();

}  // namespace zozavud
