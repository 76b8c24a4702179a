#pragma once

#include <string>

// A shared library opened while the program runs rather than linked: for one that only some
// runs need, since every library a program links is mapped, relocated and initialised before
// its main() and so delays its first window. Once open it stays loaded until the process
// ends: libraries such as libcurl and GLib keep process-wide state that may not be unloaded.
class SharedLibrary {
public:
    // Opens the library by its file name (its soname, as the loader finds it); logs a failure.
    explicit SharedLibrary(std::string fileName);
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Sets function to the library's function called name; false, with a log line, when the
    // library is not loaded or has no such function.
    template <typename Function>
    bool resolve(Function& function, const char* name) const {
        function = reinterpret_cast<Function>(symbol(name));
        return function != nullptr;
    }

private:
    void* symbol(const char* name) const;

    const std::string fileName_;
    void* const handle_;
};
