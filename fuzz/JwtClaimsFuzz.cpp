#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/cloud/JwtClaims.h"

// Tokens come from the network and from the token file: no text may crash the decoder, and
// whatever it accepts must be an object of claims.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view token(reinterpret_cast<const char*>(data), size);
    const std::optional<nlohmann::json> claims = decodeJwtClaims(token);
    if (claims && !claims->is_object()) {
        std::abort();
    }
    return 0;
}
