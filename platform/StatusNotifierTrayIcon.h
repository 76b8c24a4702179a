#pragma once

#include <memory>
#include <string>

#include "platform/SessionBusLoop.h"
#include "platform/StatusNotifierItem.h"
#include "platform/TrayIcon.h"

// The icon as a StatusNotifierItem with a dbusmenu menu on the session bus, the tray of
// KDE Plasma, of GNOME with the AppIndicator extension, of XFCE and of others. The bus is
// served by a thread of its own, on which the command handler runs. The host's primary
// click on the icon is Activated; its menu is on the secondary click.
class StatusNotifierTrayIcon : public TrayIcon {
public:
    // `itemId` names the application to the tray host; `iconName` is a name from the
    // desktop's icon theme.
    StatusNotifierTrayIcon(std::string itemId, std::string iconName);
    ~StatusNotifierTrayIcon() override;
    StatusNotifierTrayIcon(const StatusNotifierTrayIcon&) = delete;
    StatusNotifierTrayIcon& operator=(const StatusNotifierTrayIcon&) = delete;

    void setCommandHandler(CommandHandler handler) override;
    bool show(const TrayMenu& menu) override;
    void setMenu(const TrayMenu& menu) override;
    void hide() override;

private:
    const std::string itemId_;
    const std::string iconName_;
    CommandHandler onCommand_;
    SessionBusLoop loop_;
    // Used on the loop's thread only while the icon is up.
    std::unique_ptr<StatusNotifierItem> item_;
    bool reportedUnavailable_ = false;
};
