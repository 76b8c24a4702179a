#pragma once

#include <QObject>
#include <QString>

// The preference files of the window's documents under test: each test case starts from a
// document of its own, and reads back what the window saved.
class WindowFixture : public QObject {
    Q_OBJECT

public:
    // Writes the factory preferences for the program's start, and turns the start's update
    // check off. Controllers that documents create after the start learn of the preferences
    // from the next load.
    static void writeFactoryPreferences();

    // Replaces the preference files with document (JSON text) and no device bindings, and
    // has the program load them.
    Q_INVOKABLE void usePreferences(const QString& document);
    // The same with the factory document.
    Q_INVOKABLE void useFactoryPreferences();
    // The default preference file as it stands.
    Q_INVOKABLE QString savedPreferences() const;
    Q_INVOKABLE QString preferencesFilePath() const;
    // Puts a file in place of the settings folder, so that every save into it fails (root
    // is not held back by permissions), and the folder back again.
    Q_INVOKABLE void blockSettingsFolder();
    Q_INVOKABLE void freeSettingsFolder();
};
