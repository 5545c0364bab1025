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

HINSTANCE HInstance()
{
    // Any value that no other module can have: the address of something in this program.
    static const char programModule = 0;
    return reinterpret_cast<HINSTANCE>(&programModule);
}

std::optional<std::vector<std::uint8_t>> FindRCData(HINSTANCE Instance, std::string_view Name)
{
    if (Instance != HInstance())
        return std::nullopt;
    return FindResource(Name);
}

std::optional<std::vector<std::uint8_t>> FindRCData(HINSTANCE Instance, int Id)
{
    return FindRCData(Instance, "#" + std::to_string(Id));
}

std::vector<std::uint8_t> LoadRCData(HINSTANCE Instance, int Id)
{
    auto data = FindRCData(Instance, Id);
    if (!data)
        throw EResNotFound("Resource #" + std::to_string(Id) + " not found");
    return std::move(*data);
}

}  // namespace plat
