#pragma once
// The jobs the program does from the command line without opening a window:
// writing a worksheet and importing pictures. They work without a display.

#include "app/commandline.h"

namespace app {

// Runs a Worksheet or ImportPictures command; returns the exit status
// (0 done, 1 failed). Messages go to stderr, stored names to stdout.
int runWithoutWindow(const CommandLine &command, int &argc, char **argv);

} // namespace app
