// Fontconfig (under Qt's font database) keeps its caches until exit on purpose; the leak checker
// of the sanitizer build is told so here, for this test program only.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
