#include "platform/controls/qt/QtHelpViewer.h"

#include "platform/controls/qt/QtHelpWindow.h"
#include "platform/system/ChmFile.h"

#include <QFileInfo>

namespace plat {

namespace {

bool IsCompiledHelp(const std::string& helpFile)
{
    return QFileInfo(QString::fromStdString(helpFile)).suffix().compare(QLatin1String("chm"), Qt::CaseInsensitive) == 0;
}

std::string Canonical(const std::string& helpFile)
{
    return QFileInfo(QString::fromStdString(helpFile)).canonicalFilePath().toStdString();
}

}  // namespace

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

TOpenResult QtHelpViewer::ShowContents(const std::string& helpFile)
{
    if (!IsCompiledHelp(helpFile))
        return FDesktop.ShowContents(helpFile);
    const std::string key = Canonical(helpFile);
    if (key.empty() || !QFileInfo(QString::fromStdString(key)).isFile())
        return TOpenResult::Failure("Help file not found: \"" + helpFile + "\"");
    std::unique_ptr<QtHelpWindow>& window = FWindows[key];
    if (!window) {
        std::string error;
        std::unique_ptr<TChmFile> file = TChmFile::Open(key, error);
        if (!file) {
            FWindows.erase(key);
            return TOpenResult::Failure("Cannot show the help: " + error);
        }
        window = std::make_unique<QtHelpWindow>(std::move(file));
    }
    window->ShowContents();
    return TOpenResult::Success();
}

TOpenResult QtHelpViewer::ShowContext(const std::string& helpFile, int /*contextId*/)
{
    return IsCompiledHelp(helpFile) ? ShowContents(helpFile) : FDesktop.ShowContext(helpFile, 0);
}

QtHelpWindow* QtHelpViewer::WindowFor(const std::string& helpFile) const
{
    const auto found = FWindows.find(Canonical(helpFile));
    return found == FWindows.end() ? nullptr : found->second.get();
}

}  // namespace plat
