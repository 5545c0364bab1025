#include "platform/system/DesktopShell.h"

#include "platform/system/ShellUrlPolicy.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

namespace plat {

TOpenResult DesktopShell::OpenUrl(const std::string& url)
{
    TOpenResult allowed = CheckShellUrl(url);
    if (!allowed.Ok)
        return allowed;
    if (!qGuiApp)
        return TOpenResult::Failure("Cannot open \"" + url + "\": there is no graphical desktop");
    const QUrl link(QString::fromStdString(url), QUrl::StrictMode);
    if (!link.isValid())
        return TOpenResult::Failure("Cannot open \"" + url + "\": " + link.errorString().toStdString());
    if (!QDesktopServices::openUrl(link))
        return TOpenResult::Failure("The desktop has no program to open \"" + url + "\"");
    return TOpenResult::Success();
}

}  // namespace plat
