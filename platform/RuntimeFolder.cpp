#include "platform/RuntimeFolder.h"

#include <cstdlib>

std::string runtimeFolder() {
    std::string folder = "/tmp";
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
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
