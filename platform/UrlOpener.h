#pragma once

#include <QString>

// Hands a link's target to the desktop, behind an interface so that tests
// open nothing.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;

    // A new browser window at the address; false when none could be started.
    virtual bool openWebPage(const QString &address) = 0;
    // A mail address or any other text for the desktop's default handler.
    virtual void openWithDefaultHandler(const QString &target) = 0;
    // An existing file with the program associated with it.
    virtual void openFile(const QString &path) = 0;
    virtual bool fileExists(const QString &path) const = 0;

    // The desktop's own; the one every link uses unless told otherwise.
    static UrlOpener &desktop();
};
