// The fake services run on cpp-httplib, whose shared library is built without ThreadSanitizer:
// its worker threads hand requests over through code the sanitizer cannot see, so accesses in
// its own frames are reported without a race of ours behind them. Read by ThreadSanitizer at
// start-up; other builds never call it.
extern "C" const char* __tsan_default_suppressions() {
    return "race:libcpp-httplib.so\n";
}
