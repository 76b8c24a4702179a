#include "shared/ipc/IPCSocketPath.h"

#include <cstddef>
#include <cstring>

#include "platform/RuntimeFolder.h"
#include "shared/prefs/LogManager.h"

namespace {

constexpr const char* kSocketName = "pelwhirlenlisten";

}  // namespace

std::string ipcSocketPath() {
    std::string path = runtimeFolder();
    if (path.back() != '/') {
        path += '/';
    }
    return path + kSocketName;
}

bool ipcSocketAddress(sockaddr_un& address, socklen_t& length) {
    const std::string path = ipcSocketPath();
    std::memset(&address, 0, sizeof(address));
    if (path.size() >= sizeof(address.sun_path)) {
        LogManager::instance().log('E', "IPC socket path is too long (%zu bytes): %s\n",
                                   path.size(), path.c_str());
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return true;
}
