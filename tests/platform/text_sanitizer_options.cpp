// Fontconfig loses a few hundred bytes while parsing its configuration files, once per
// process, out of reach of any caller; LeakSanitizer is told to ignore only that library.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
