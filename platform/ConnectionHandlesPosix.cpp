#include <fcntl.h>
#include <unistd.h>

#include "ConnectionHandles.h"

namespace zozavud {

std::intptr_t DuplicateConnection(std::intptr_t descriptor) {
    return ::fcntl(static_cast<int>(descriptor), F_DUPFD_CLOEXEC, 0);
}

void CloseConnection(std::intptr_t descriptor) {
    if (descriptor >= 0) ::close(static_cast<int>(descriptor));
}

}  // namespace zozavud
