#pragma once

#include <optional>

#include "shared/prefs/SaveResult.h"

// What became of an edit of the preferences store: taken or refused, and why; and for an
// edit that was taken and saved, whether the save held.
class EditResult {
public:
    // Why the store did not take an edit.
    enum class Refusal {
        None = 0,
        // What the edit names is not in the store: a profile, macro or configuration gone.
        Missing,
        // Not an edit the store takes: an empty name or path, an invalid object, a name
        // that stays as it is or that is reserved.
        Invalid,
        // Another item already has the name, or the key made of it.
        NameTaken,
        // Another configuration already has the program path.
        PathTaken,
        // Another configuration has the name, and another one (or the same) the path.
        NameAndPathTaken,
        // The control already has a binding where the edit would add one.
        BindingExists,
        // A disabled binding beside the one the control takes its action from would only
        // hide that one.
        DisabledBesideBinding,
    };

    static EditResult refused(Refusal why);
    // Taken; save is what became of the save that followed, none when nothing was saved.
    static EditResult taken(std::optional<SaveResult> save = std::nullopt);

    bool isTaken() const { return refusal_ == Refusal::None; }
    Refusal refusal() const { return refusal_; }
    // Taken and saved, and the files hold it: the agent may read them again.
    bool isSaved() const { return save_ && save_->held(); }
    // Taken, but the save that followed failed: the store holds the edit until a save holds.
    bool saveFailed() const { return save_ && !save_->held(); }
    // The save that followed; none when the edit was refused or not saved.
    const std::optional<SaveResult>& save() const { return save_; }

private:
    EditResult(Refusal refusal, std::optional<SaveResult> save);

    Refusal refusal_ = Refusal::None;
    std::optional<SaveResult> save_;
};
