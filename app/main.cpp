#include "EditorStartup.h"

int main(int argc, char** argv) { return zozavud::RunEditor(argc, argv); }
