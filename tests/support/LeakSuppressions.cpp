// Compiled into every test program: allocations the leak checker must not report.
//
// fontconfig keeps what it allocated at start-up until FcFini, which the program never
// calls because other threads may still draw text while it exits.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
