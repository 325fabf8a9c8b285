#pragma once
// Shared by the build-time block generator (no Qt there) and the reader.

namespace zozavud {

// The ELF section that carries the version block of our Linux binaries.
inline constexpr char VersionSectionName[] = ".zozavud.version";

// The key of the root node of every version block.
inline constexpr char VersionRootKey[] = "VS_VERSION_INFO";

}  // namespace zozavud
