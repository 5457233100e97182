#pragma once

#include <functional>

class UserDialogs;

// Runs a user action or timer tick; an error ends it where it arose and is
// shown in the standard error box. Nothing escapes into the event loop.
void runGuarded(UserDialogs &dialogs, const std::function<void()> &action) noexcept;
