#include "platform/SharedLibrary.h"

#include <dlfcn.h>

#include <utility>

#include "shared/prefs/LogManager.h"

namespace {

void* openLibrary(const std::string& fileName) {
    void* handle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        LogManager::instance().log('E', "Unable to load %s: %s", fileName.c_str(), ::dlerror());
    }
    return handle;
}

}  // namespace

SharedLibrary::SharedLibrary(std::string fileName)
    : fileName_(std::move(fileName)), handle_(openLibrary(fileName_)) {}

void* SharedLibrary::symbol(const char* name) const {
    if (handle_ == nullptr) {
        return nullptr;
    }
    void* address = ::dlsym(handle_, name);
    if (address == nullptr) {
        LogManager::instance().log('E', "%s has no %s", fileName_.c_str(), name);
    }
    return address;
}
