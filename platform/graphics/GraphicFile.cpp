#include "platform/graphics/GraphicFile.h"

#include "platform/core/Exception.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace plat::GraphicFile {

namespace {

QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text)
{
    return text.toUtf8().toStdString();
}

}  // namespace

std::vector<std::uint8_t> Read(const std::string& fileName)
{
    QFile file(ToQString(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + ToStdString(file.errorString()));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError("Cannot read file \"" + fileName + "\". " + ToStdString(file.errorString()));
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

void Write(const std::string& fileName, std::span<const std::uint8_t> data)
{
    // Written beside the target and renamed over it, so a failure never leaves half a picture.
    QSaveFile file(ToQString(fileName));
    const auto sizeBytes = static_cast<qint64>(data.size());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data.data()), sizeBytes) != sizeBytes || !file.commit())
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + ToStdString(file.errorString()));
}

std::string LowerExtension(const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace plat::GraphicFile
