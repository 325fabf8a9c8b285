#include <winsock2.h>

#include "ConnectionHandles.h"

namespace zozavud {

// The underlying socket stays open until the last of its descriptors is closed.
std::intptr_t DuplicateConnection(std::intptr_t descriptor) {
    WSAPROTOCOL_INFOW info{};
    if (WSADuplicateSocketW(static_cast<SOCKET>(descriptor), GetCurrentProcessId(), &info) != 0) return -1;
    const SOCKET copy = WSASocketW(FROM_PROTOCOL_INFO, FROM_PROTOCOL_INFO, FROM_PROTOCOL_INFO, &info, 0,
                                   WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    return copy == INVALID_SOCKET ? -1 : static_cast<std::intptr_t>(copy);
}

void CloseConnection(std::intptr_t descriptor) {
    if (descriptor != -1) ::closesocket(static_cast<SOCKET>(descriptor));
}

}  // namespace zozavud
