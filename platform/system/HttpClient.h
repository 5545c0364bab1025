#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace plat {

struct THttpOptions {
    std::string UserAgent = "SKELDA";
    // Time-outs of 0 or less mean these defaults: there is always a limit.
    int ConnectTimeoutMs = 10000;
    // The whole exchange, from connecting to the last byte of the body.
    int TotalTimeoutMs = 30000;
    // A larger body, counted after its content encoding is undone, is a failure, not a
    // truncated success.
    std::size_t MaxBodyBytes = 4 * 1024 * 1024;
};

// An opened URL whose body is read in chunks, as the old internet library handed it out.
class IHttpRequest {
public:
    virtual ~IHttpRequest() = default;
    virtual int StatusCode() const = 0;
    // Copies at most maxBytes of the body not read yet into buffer; 0 once the body is used up.
    virtual std::size_t Read(void* buffer, std::size_t maxBytes) = 0;
};

struct THttpOpenResult {
    // Set when the URL answered with a 2xx status and its whole body arrived.
    std::unique_ptr<IHttpRequest> Request;
    // Why not, in words fit for a log or a message, when Request is empty.
    std::string Error;
    // The HTTP status when the server answered at all (also on a failure such as 404), else 0.
    int StatusCode = 0;

    bool Ok() const { return Request != nullptr; }
};

// HTTP GET. Only http and https URLs; every failure (a bad URL, no connection, a host that
// does not resolve, a time-out, a body over the cap, a status outside 2xx) comes back as a
// result with an error text, never as an exception or an endless wait.
class IHttpClient {
public:
    virtual ~IHttpClient() = default;
    virtual THttpOpenResult OpenUrl(const std::string& url, const THttpOptions& options) = 0;
};

}  // namespace plat
