#pragma once

namespace zozavud {

// Program entry: single instance, the two windows, the initial state, the message loop.
int RunEditor(int argc, char** argv);

}  // namespace zozavud
