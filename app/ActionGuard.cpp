#include "app/ActionGuard.h"

#include "platform/UserDialogs.h"
#include "text/Errors.h"

void runGuarded(UserDialogs &dialogs, const std::function<void()> &action) noexcept
{
    try {
        action();
    } catch (const NumoraError &error) {
        dialogs.errorBox(error.text());
    } catch (const std::exception &error) {
        dialogs.errorBox(QString::fromLocal8Bit(error.what()));
    }
}
