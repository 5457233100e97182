#include "platform/UrlOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

class DesktopUrlOpener : public UrlOpener
{
public:
    bool openWebPage(const QString &address) override
    {
        return QDesktopServices::openUrl(QUrl::fromUserInput(address));
    }

    // The outcome is the handler's business, as with any desktop link.
    void openWithDefaultHandler(const QString &target) override
    {
        QDesktopServices::openUrl(QUrl(target));
    }

    void openFile(const QString &path) override
    {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

    bool fileExists(const QString &path) const override
    {
        return QFileInfo(path).isFile();
    }
};

} // namespace

UrlOpener &UrlOpener::desktop()
{
    static DesktopUrlOpener opener;
    return opener;
}
