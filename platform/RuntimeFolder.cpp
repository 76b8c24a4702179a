#include "platform/RuntimeFolder.h"

#include <cstdlib>

std::string runtimeFolder() {
    return folderFromEnvironment({"XDG_RUNTIME_DIR", "TMPDIR"}, "/tmp");
}

std::string folderFromEnvironment(std::initializer_list<const char*> names,
                                  const std::string& fallback) {
    std::string folder = fallback;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] == '/') {
            folder = value;
            break;
        }
    }
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}
