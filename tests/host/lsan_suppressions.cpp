// fontconfig keeps its configuration for the life of the process; LeakSanitizer would
// report it at exit of every test program that renders text.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
