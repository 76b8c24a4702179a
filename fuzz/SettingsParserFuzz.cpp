#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "shared/prefs/ApplicationSettings.h"

// Feeds the bytes as the settings file's contents. Whatever the parser takes
// from a file must come back unchanged from the file that save() would write,
// or a setting would drift each time the program starts and saves.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ApplicationSettings::parseVersionStamp(bytes, bytes);

    ApplicationSettings settings("unused");
    std::istringstream file{std::string(bytes)};
    settings.parseLines(file);
    const std::string written = settings.toText();

    ApplicationSettings reread("unused");
    std::istringstream writtenFile(written);
    reread.parseLines(writtenFile);
    if (reread.toText() != written) {
        std::abort();
    }
    return 0;
}
