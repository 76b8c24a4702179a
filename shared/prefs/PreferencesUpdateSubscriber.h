#pragma once

class SaveResult;

// Told when the preferences store's content has changed (a load, a reload or
// an edit). The call comes on the thread that loaded or edited, after the
// store has released its data lock, so a subscriber may query the store, also
// from another thread that it waits for. A subscriber unsubscribes itself
// before it is destroyed.
class PreferencesUpdateSubscriber {
public:
    virtual ~PreferencesUpdateSubscriber() = default;

    virtual void onPreferencesUpdated() {}
    // An edit was taken, but the save that followed failed: the store holds the change
    // until a later save holds. Called after onPreferencesUpdated, on the same thread.
    virtual void onPreferencesNotSaved(const SaveResult& /*failure*/) {}
};
