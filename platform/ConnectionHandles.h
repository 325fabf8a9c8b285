#pragma once
// A second handle on an accepted connection. The socket object that reads a connection
// closes its own handle as soon as it reads the sender's end of stream; the one kept
// here holds the connection open until the job has been dealt with, so that a sender
// which waits for the close learns only then that its job is done.

#include <cstdint>

namespace zozavud {

// A handle of its own on the connection, or -1 when the system has none to spare.
std::intptr_t DuplicateConnection(std::intptr_t descriptor);

// Gives the handle back; the sender sees the close once no handle on it is left.
void CloseConnection(std::intptr_t descriptor);

}  // namespace zozavud
