// On Windows the version information comes from the platform's version API, which finds
// the resource as the system's own property pages do; the queries into it stay ours.
#include <windows.h>
// The API's names are macros for its wide and narrow forms; ours are functions.
#undef GetFileVersionInfoSize
#undef GetFileVersionInfo

#include "VersionResourceFile.h"

namespace zozavud {

namespace {
const wchar_t* Native(const QString& path) { return reinterpret_cast<const wchar_t*>(path.utf16()); }
}  // namespace

uint32_t GetFileVersionInfoSize(const QString& path) {
    DWORD ignored = 0;
    return path.isEmpty() ? 0 : GetFileVersionInfoSizeW(Native(path), &ignored);
}

bool GetFileVersionInfo(const QString& path, uint32_t size, QByteArray& buffer) {
    if (path.isEmpty() || size == 0) return false;
    buffer.resize(qsizetype(size));
    if (!GetFileVersionInfoW(Native(path), 0, size, buffer.data())) {
        buffer.clear();
        return false;
    }
    // The block says how long it is; what the API adds behind it is no part of it.
    const auto length = uint16_t(uint8_t(buffer[0]) | uint8_t(buffer[1]) << 8);
    if (length >= 6 && length < buffer.size()) buffer.truncate(length);
    return true;
}

}  // namespace zozavud
