#include "platform/system/DesktopHelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace plat {

TOpenResult DesktopHelpViewer::ShowContents(const std::string& helpFile)
{
    const QFileInfo file(QString::fromStdString(helpFile));
    if (helpFile.empty() || !file.isFile())
        return TOpenResult::Failure("Help file not found: \"" + helpFile + "\"");
    if (!qGuiApp)
        return TOpenResult::Failure("Cannot show the help file \"" + helpFile + "\": there is no graphical desktop");
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        return TOpenResult::Failure("The desktop has no viewer for the help file \"" + helpFile + "\"");
    return TOpenResult::Success();
}

TOpenResult DesktopHelpViewer::ShowContext(const std::string& helpFile, int /*contextId*/)
{
    return ShowContents(helpFile);
}

}  // namespace plat
