// Fontconfig, which Cairo asks for the printouts' fonts, loses a few blocks of its configuration
// for good (not of this program's making); the leak checker of the sanitizer build is told so. The
// sanitizer build links this into the host program and the test programs that print.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
