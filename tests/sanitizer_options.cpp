// Sanitizer settings for the test program that loads the GL driver, read by AddressSanitizer
// at start-up (unused in builds without it).
extern "C" {

// Leak checking is off in this one program: Mesa keeps process-wide allocations until exit
// and unloads its driver first, so its reports cannot be told from ours by name, and the slow
// unwinder that could name them deadlocks inside llvmpipe's shader compiler. Our own code's
// leaks are checked by the unit and audio test programs, which run without a GL driver;
// everything else AddressSanitizer finds here still fails the run.
const char* __asan_default_options() { return "detect_leaks=0"; }
}
