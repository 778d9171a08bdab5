// Sanitizer builds only: shared libraries stay loaded until the process ends.
// The software GL driver allocates a little memory it never frees and unloads
// itself at exit; a leak report taken after that has no module or symbol to
// name, so it can neither be read nor suppressed by module. With the driver
// still mapped, tools/sanitize/lsan.supp can name it, and leaks of our own are
// still reported. The engine never unloads a library itself.
#include <dlfcn.h>

extern "C" int dlclose(void*) { return 0; }
