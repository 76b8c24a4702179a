#include "ui/cloud/AuthAccount.h"

#include <array>

#include "ui/cloud/JwtClaims.h"

namespace {

QString toQString(const std::string& value) {
    return QString::fromStdString(value);
}

}  // namespace

AuthAccount::AuthAccount(QObject* parent) : QObject(parent) {}

QString AuthAccount::username() const {
    return toQString(username_);
}
QString AuthAccount::email() const {
    return toQString(email_);
}
QString AuthAccount::countryISO() const {
    return toQString(countryISO_);
}
QString AuthAccount::firstName() const {
    return toQString(firstName_);
}
QString AuthAccount::lastName() const {
    return toQString(lastName_);
}
QString AuthAccount::accountId() const {
    return toQString(accountId_);
}

bool AuthAccount::valid() const {
    return !username_.empty() && !email_.empty() && !accountId_.empty();
}

bool AuthAccount::store(std::string& field, const std::string& value, Signal changed,
                        bool emitValid) {
    if (field == value) {
        return false;
    }
    field = value;
    emit(this->*changed)();
    if (emitValid) {
        emit isValidChanged();
    }
    return true;
}

bool AuthAccount::setUsername(const QString& value) {
    return store(username_, value.toStdString(), &AuthAccount::usernameChanged, true);
}

bool AuthAccount::setEmail(const QString& value) {
    return store(email_, value.toStdString(), &AuthAccount::emailChanged, true);
}

bool AuthAccount::setCountryISO(const QString& value) {
    return store(countryISO_, value.toStdString(), &AuthAccount::countryISOChanged, true);
}

bool AuthAccount::setFirstName(const QString& value) {
    return store(firstName_, value.toStdString(), &AuthAccount::firstNameChanged, true);
}

bool AuthAccount::setLastName(const QString& value) {
    return store(lastName_, value.toStdString(), &AuthAccount::lastNameChanged, true);
}

bool AuthAccount::setAccountId(const QString& value) {
    return store(accountId_, value.toStdString(), &AuthAccount::accountIdChanged, true);
}

void AuthAccount::reset() {
    bool changed = false;
    changed = store(username_, {}, &AuthAccount::usernameChanged, true) || changed;
    changed = store(email_, {}, &AuthAccount::emailChanged, true) || changed;
    changed = store(countryISO_, {}, &AuthAccount::countryISOChanged, true) || changed;
    changed = store(firstName_, {}, &AuthAccount::firstNameChanged, true) || changed;
    changed = store(lastName_, {}, &AuthAccount::lastNameChanged, true) || changed;
    changed = store(accountId_, {}, &AuthAccount::accountIdChanged, true) || changed;
    if (changed) {
        emit isValidChanged();
    }
}

bool AuthAccount::setFromToken(const std::string& token) {
    reset();
    if (token.empty()) {
        return false;
    }
    const std::optional<nlohmann::json> claims = decodeJwtClaims(token);
    const std::array<const char*, 5> names = {"sub", "preferred_username", "given_name",
                                              "family_name", "email"};
    std::array<std::string, 5> values;
    for (size_t i = 0; i < names.size(); ++i) {
        const auto claim = claims ? claims->find(names[i]) : nlohmann::json::const_iterator();
        if (!claims || claim == claims->end() || !claim->is_string()) {
            return false;
        }
        values[i] = claim->get<std::string>();
    }
    bool changed = store(accountId_, values[0], &AuthAccount::accountIdChanged, false);
    changed = store(username_, values[1], &AuthAccount::usernameChanged, false) || changed;
    changed = store(firstName_, values[2], &AuthAccount::firstNameChanged, false) || changed;
    changed = store(lastName_, values[3], &AuthAccount::lastNameChanged, false) || changed;
    changed = store(email_, values[4], &AuthAccount::emailChanged, false) || changed;
    if (changed) {
        emit isValidChanged();
    }
    return true;
}
