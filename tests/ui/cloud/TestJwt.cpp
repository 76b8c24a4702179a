#include "tests/ui/cloud/TestJwt.h"

#include <chrono>

std::string base64Url(const std::string& bytes) {
    static const char* alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    uint32_t buffer = 0;
    int bits = 0;
    for (unsigned char c : bytes) {
        buffer = (buffer << 8) | c;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out += alphabet[(buffer >> bits) & 0x3f];
        }
    }
    if (bits > 0) {
        out += alphabet[(buffer << (6 - bits)) & 0x3f];
    }
    return out;
}

std::string makeJwt(const nlohmann::json& payload, const nlohmann::json& header) {
    return base64Url(header.dump()) + "." + base64Url(payload.dump()) + "." +
           base64Url("not a real signature");
}

nlohmann::json accountClaims(int64_t exp, const std::string& sub) {
    return {{"sub", sub},
            {"preferred_username", "ada"},
            {"given_name", "Ada"},
            {"family_name", "Lovelace"},
            {"email", "ada@example.org"},
            {"exp", exp}};
}

int64_t secondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
