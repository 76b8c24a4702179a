#pragma once

#include <QObject>
#include <QString>
#include <string>

// The signed-in user as the account page shows it, filled from the access token's claims.
// Main thread only.
class AuthAccount : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString username READ username WRITE setUsername NOTIFY usernameChanged)
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString countryISO READ countryISO WRITE setCountryISO NOTIFY countryISOChanged)
    Q_PROPERTY(QString firstName READ firstName WRITE setFirstName NOTIFY firstNameChanged)
    Q_PROPERTY(QString lastName READ lastName WRITE setLastName NOTIFY lastNameChanged)
    Q_PROPERTY(QString accountId READ accountId WRITE setAccountId NOTIFY accountIdChanged)
    Q_PROPERTY(bool valid READ valid NOTIFY isValidChanged)

public:
    explicit AuthAccount(QObject* parent = nullptr);

    QString username() const;
    QString email() const;
    QString countryISO() const;
    QString firstName() const;
    QString lastName() const;
    QString accountId() const;
    // Username, email and account id all known.
    bool valid() const;

    // Each stores a differing value and signals it and the validity; returns whether it changed.
    bool setUsername(const QString& value);
    bool setEmail(const QString& value);
    bool setCountryISO(const QString& value);
    bool setFirstName(const QString& value);
    bool setLastName(const QString& value);
    bool setAccountId(const QString& value);

    // Empties every field.
    void reset();
    // Fills the account from the token's claims; false for an empty token or one without the
    // five account claims (the account then stays empty).
    bool setFromToken(const std::string& token);

signals:
    void usernameChanged();
    void emailChanged();
    void countryISOChanged();
    void firstNameChanged();
    void lastNameChanged();
    void accountIdChanged();
    void isValidChanged();

private:
    using Signal = void (AuthAccount::*)();
    bool store(std::string& field, const std::string& value, Signal changed, bool emitValid);

    std::string username_;
    std::string email_;
    std::string countryISO_;
    std::string firstName_;
    std::string lastName_;
    std::string accountId_;
};
