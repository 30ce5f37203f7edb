// Sanitizer runs of zindral-host: the extension it loads draws its interface with its own copy of
// the toolkit, whose fontconfig, Pango and GLib use the toolkit's suppressions - but those live
// inside the extension, where the sanitizers of this program do not look. The same list, here.

extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
// Suppressed leaks are not news: no statistics of them on standard error at exit, where a program's
// one-line messages must stay one line.
extern "C" const char* __lsan_default_options();
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
extern "C" const char* __tsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions() {
    return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libglib-2.0.so\n";
}
