// The program's entry: the command line is not read.
#include "startup/StartUp.h"

int main() { return Framework::RunProgram(); }
