#include "tests/support/SilentSecretService.h"

#include <gio/gio.h>

namespace {

constexpr guint32 kDoNotQueue = 4;
constexpr guint32 kPrimaryOwner = 1;

}  // namespace

SilentSecretService::SilentSecretService(const std::string& busAddress) {
    connection_ = g_dbus_connection_new_for_address_sync(
        busAddress.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    if (connection_ == nullptr) {
        return;
    }
    filter_ = g_dbus_connection_add_filter(connection_, &SilentSecretService::drop, this, nullptr);
    GVariant* reply = g_dbus_connection_call_sync(
        connection_, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "RequestName", g_variant_new("(su)", "org.freedesktop.secrets", kDoNotQueue),
        G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
    if (reply != nullptr) {
        guint32 result = 0;
        g_variant_get(reply, "(u)", &result);
        owned_ = result == kPrimaryOwner;
        g_variant_unref(reply);
    }
}

SilentSecretService::~SilentSecretService() {
    if (connection_ == nullptr) {
        return;
    }
    g_dbus_connection_remove_filter(connection_, filter_);
    g_dbus_connection_close_sync(connection_, nullptr, nullptr);
    g_object_unref(connection_);
}

_GDBusMessage* SilentSecretService::drop(_GDBusConnection* /*connection*/, _GDBusMessage* message,
                                         int incoming, void* self) {
    if (incoming != 0 &&
        g_dbus_message_get_message_type(message) == G_DBUS_MESSAGE_TYPE_METHOD_CALL) {
        static_cast<SilentSecretService*>(self)->calls_.fetch_add(1);
        g_object_unref(message);
        return nullptr;
    }
    return message;
}
