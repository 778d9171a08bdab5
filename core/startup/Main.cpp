// The program's entry: the command line is not read.
#include "core/startup/StartUp.h"

int main() { return Framework::RunProgram(); }
