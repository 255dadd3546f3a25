// Leak-check settings for test programs that load the GL driver, read by LeakSanitizer at
// start-up (unused in builds without it). Only third-party driver code is suppressed.
extern "C" {

// Mesa's EGL driver allocates process-wide tables once (under pthread_once) and keeps them
// until the process ends; LeakSanitizer reports them at exit.
const char* __lsan_default_suppressions() { return "leak:libEGL_mesa.so\n"; }

// The driver is built without frame pointers: only the slow unwinder reaches its name.
const char* __lsan_default_options() { return "fast_unwind_on_malloc=0"; }
}
