#include "ui/cloud/OAuth2MacOS.h"

OAuth2MacOS::OAuth2MacOS(QObject* parent)
    : OAuth2MacOS(OAuthFlowSettings::fromEnvironment(), parent) {}

OAuth2MacOS::OAuth2MacOS(OAuthFlowSettings settings, QObject* parent)
    : QObject(parent), flow_(std::move(settings)) {
    connect(&flow_, &OAuth2Windows::authenticationChanged, this,
            &OAuth2MacOS::authenticationChanged);
}
