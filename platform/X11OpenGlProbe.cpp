#include "platform/X11OpenGlProbe.h"

#include <strings.h>
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/XcbReply.h"

namespace {

// Mesa reads its boolean switches this way: "1", "true", "y" or "yes", in any case.
bool mesaSwitchIsOn(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return false;
    }
    for (const char* on : {"1", "true", "y", "yes"}) {
        if (strcasecmp(value, on) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool X11OpenGlProbe::softwareRasteriserOnly() {
    if (mesaSwitchIsOn("LIBGL_ALWAYS_SOFTWARE")) {
        return true;
    }
    constexpr std::array<const char*, 3> kDirectRendering = {"DRI3", "DRI2", "NV-GLX"};
    std::array<xcb_query_extension_cookie_t, kDirectRendering.size()> asked{};
    // The questions all go out before the first answer is awaited: one round trip.
    for (size_t i = 0; i < kDirectRendering.size(); ++i) {
        asked[i] = xcb_query_extension(connection_,
                                       static_cast<uint16_t>(std::strlen(kDirectRendering[i])),
                                       kDirectRendering[i]);
    }
    bool direct = false;
    for (const xcb_query_extension_cookie_t cookie : asked) {
        const XcbReply<xcb_query_extension_reply_t> reply(
            xcb_query_extension_reply(connection_, cookie, nullptr));
        direct = direct || (reply && reply->present != 0);
    }
    return !direct;
}
