#include "platform/DesktopShortcut.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/RuntimeFolder.h"
#include "shared/prefs/AtomicWrite.h"

namespace {

// Inside a quoted Exec argument these four need a backslash before them.
std::string quoteExecArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

// A literal '%' would otherwise start a field code.
std::string doublePercent(const std::string& text) {
    std::string doubled;
    for (const char c : text) {
        doubled += c;
        if (c == '%') {
            doubled += '%';
        }
    }
    return doubled;
}

// The escapes of every string value, which readers undo before anything else.
std::string escapeStringValue(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string applicationsFolder() {
    const char* home = std::getenv("HOME");
    const std::string fallback =
        home && home[0] == '/' ? std::string(home) + "/.local/share" : std::string("/tmp");
    return folderFromEnvironment({"XDG_DATA_HOME"}, fallback) + "/applications";
}

}  // namespace

std::string DesktopShortcut::path() {
    return applicationsFolder() + "/" + kFileName;
}

std::string DesktopShortcut::execValue(const std::string& programPath) {
    return escapeStringValue(doublePercent(quoteExecArgument(programPath)));
}

std::string DesktopShortcut::contents(const std::string& programPath, const std::string& iconPath) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Pelvane Multimedia Controller Configurations\n"
           "Exec=" +
           execValue(programPath) +
           "\n"
           "Icon=" +
           escapeStringValue(iconPath) +
           "\n"
           "Terminal=false\n"
           "Categories=Settings;HardwareSettings;\n";
}

int DesktopShortcut::create(const std::string& programPath, const std::string& iconPath) {
    std::error_code error;
    std::filesystem::create_directories(applicationsFolder(), error);
    if (error) {
        return error.value();
    }
    errno = 0;
    if (!writeFileAtomically(path(), contents(programPath, iconPath))) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

int DesktopShortcut::remove() {
    // Both say that there is no such file, which is what removing it wants.
    if (::unlink(path().c_str()) != 0 && errno != ENOENT && errno != ENOTDIR) {
        return errno;
    }
    return 0;
}
