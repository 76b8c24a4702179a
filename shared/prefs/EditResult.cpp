#include "shared/prefs/EditResult.h"

#include <utility>

EditResult::EditResult(Refusal refusal, std::optional<SaveResult> save)
    : refusal_(refusal), save_(std::move(save)) {}

EditResult EditResult::refused(Refusal why) {
    return EditResult(why, std::nullopt);
}

EditResult EditResult::taken(std::optional<SaveResult> save) {
    return EditResult(Refusal::None, std::move(save));
}
