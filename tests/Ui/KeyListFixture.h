#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "shared/prefs/PreferencesStore.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/app/ButtonController.h"

// A button of a profile on preference files of a temporary folder, for documents that
// apply a key to it, save it and read back what the next start would show.
class KeyListFixture : public QObject {
    Q_OBJECT
    Q_PROPERTY(ButtonController* button READ button CONSTANT)

public:
    KeyListFixture();
    ~KeyListFixture() override;

    ButtonController* button() { return button_.get(); }
    // The "KeyCode" that the saved file holds for the button.
    Q_INVOKABLE QString savedKeyName() const;
    // The window's key code of the button as read from the saved file by a new store.
    Q_INVOKABLE int reloadedPressKey() const;

private:
    TemporaryFolder folder_{"key-list"};
    PreferencesStorePaths paths_;
    std::unique_ptr<PreferencesStore> store_;
    std::unique_ptr<ButtonController> button_;
};
