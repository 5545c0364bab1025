#include "app/SolarFluxDownload.h"

#include "platform/system/Environment.h"

namespace skelda::app {

namespace {

constexpr int kHttpOk = 200;
constexpr std::size_t kReadChunkBytes = 1024;

}  // namespace

plat::THttpOptions BulletinHttpOptions()
{
    plat::THttpOptions options;
    options.ConnectTimeoutMs = 5000;
    options.TotalTimeoutMs = 10000;
    options.MaxBodyBytes = 64 * 1024;
    return options;
}

std::optional<SolarFluxBulletin> DownloadSolarFlux(const std::string& Url, const plat::THttpOptions& Options)
{
    const plat::THttpOpenResult opened = plat::Env().Http->OpenUrl(Url, Options);
    if (!opened.Ok() || opened.Request->StatusCode() != kHttpOk)
        return std::nullopt;
    std::string body;
    char chunk[kReadChunkBytes];
    while (const std::size_t read = opened.Request->Read(chunk, sizeof chunk))
        body.append(chunk, read);
    return ReadSolarFluxBulletin(body);
}

}  // namespace skelda::app
