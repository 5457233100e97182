#pragma once

#include <QString>

#include <functional>

// Things a user should hear of that are no error: the work went on, but
// something was moved aside on the way. Told from any thread.
namespace Notices {

void tell(const QString &text);

// Where notices go from now on; without one they go to standard error.
void setHandler(std::function<void(const QString &)> handler);

} // namespace Notices
