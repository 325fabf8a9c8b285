#include "CliMain.h"

int main(int argc, char** argv) { return zozavud::cli::Main(argc, argv); }
