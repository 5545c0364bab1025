#include "platform/system/CurlHttpClient.h"

#include "platform/system/BufferedHttpRequest.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>

namespace plat {

namespace {

struct Transfer {
    std::string Body;
    std::size_t MaxBodyBytes = 0;
    bool Oversized = false;
};

// Gets the body as it is after its content encoding is undone: the cap is on what the caller is
// handed, whatever the size on the wire (a gzipped body may well be larger than the text).
std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* userData)
{
    auto* transfer = static_cast<Transfer*>(userData);
    const std::size_t bytes = size * count;
    if (bytes > transfer->MaxBodyBytes - transfer->Body.size()) {
        transfer->Oversized = true;
        return 0;  // anything but `bytes` makes curl stop the transfer
    }
    transfer->Body.append(data, bytes);
    return bytes;
}

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool HasWebScheme(const std::string& url)
{
    const std::size_t colon = url.find("://");
    if (colon == std::string::npos)
        return false;
    std::string scheme = url.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return scheme == "http" || scheme == "https";
}

// A proxy cannot reach our own loopback, so loopback always goes direct; the user's own
// exceptions still apply.
std::string NoProxyList()
{
    std::string list = "localhost,127.0.0.1,::1";
    for (const char* name : {"no_proxy", "NO_PROXY"}) {
        if (const char* value = std::getenv(name); value && *value) {
            list += ',';
            list += value;
            break;
        }
    }
    return list;
}

struct CurlHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

THttpOpenResult Failure(const std::string& url, const std::string& reason, int statusCode = 0)
{
    THttpOpenResult result;
    result.Error = "Could not download " + url + ": " + reason;
    result.StatusCode = statusCode;
    return result;
}

}  // namespace

THttpOpenResult CurlHttpClient::OpenUrl(const std::string& url, const THttpOptions& options)
{
    if (!HasWebScheme(url))
        return Failure(url, "only http and https URLs are supported");

    InitCurlOnce();
    std::unique_ptr<CURL, CurlHandleDeleter> curl(curl_easy_init());
    if (!curl)
        return Failure(url, "the HTTP library could not be initialised");

    const THttpOptions defaults;
    const long connectTimeoutMs = options.ConnectTimeoutMs > 0 ? options.ConnectTimeoutMs : defaults.ConnectTimeoutMs;
    const long totalTimeoutMs = options.TotalTimeoutMs > 0 ? options.TotalTimeoutMs : defaults.TotalTimeoutMs;
    Transfer transfer;
    transfer.MaxBodyBytes = options.MaxBodyBytes;
    char errorText[CURL_ERROR_SIZE] = {};
    const std::string noProxy = NoProxyList();

    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(h, CURLOPT_USERAGENT, options.UserAgent.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, totalTimeoutMs);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_NOPROXY, noProxy.c_str());
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &AppendBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = curl_easy_perform(h);
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    const int statusCode = static_cast<int>(status);

    if (transfer.Oversized)
        return Failure(url, "the response is larger than " + std::to_string(options.MaxBodyBytes) + " bytes", statusCode);
    if (code != CURLE_OK)
        return Failure(url, errorText[0] ? errorText : curl_easy_strerror(code), statusCode);
    if (statusCode < 200 || statusCode > 299)
        return Failure(url, "the server answered with HTTP status " + std::to_string(statusCode), statusCode);

    THttpOpenResult result;
    result.StatusCode = statusCode;
    result.Request = std::make_unique<BufferedHttpRequest>(statusCode, std::move(transfer.Body));
    return result;
}

}  // namespace plat
