#pragma once

namespace zozavud::cli {

int Main(int argc, char** argv);

}  // namespace zozavud::cli
