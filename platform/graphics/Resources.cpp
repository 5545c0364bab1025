#include "platform/graphics/Resources.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <mutex>
#include <string>
#include <utility>

// Calling the initialiser by name makes the linker keep the resource library's data, which
// would otherwise be dropped from the static archive because nothing refers to it.
static void RegisterCompiledResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace plat {

namespace {

// Resource names are plain identifiers; a path separator would reach outside our folder.
std::optional<QString> ResourcePath(std::string_view name)
{
    static std::once_flag registered;
    std::call_once(registered, RegisterCompiledResources);
    if (name.empty() || name.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    const QString upper = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper();
    const QString path = QStringLiteral(":/resources/") + upper;
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> FindResource(std::string_view name)
{
    const auto path = ResourcePath(name);
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

std::vector<std::uint8_t> LoadResource(std::string_view name)
{
    auto data = FindResource(name);
    if (!data)
        throw EResNotFound("Resource " + std::string(name) + " not found");
    return std::move(*data);
}

bool ResourceExists(std::string_view name)
{
    return ResourcePath(name).has_value();
}

}  // namespace plat
