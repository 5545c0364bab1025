// The HTTP client's body reader against a server on the loopback answering with any bytes:
// every answer ends, within the time-outs, in a body or in a failure that says why. A body is
// handed out in chunks no larger than asked and no larger in all than the cap; an answer the
// target builds itself (Content-Length, chunked or gzip) gives back its body exactly, or the
// failure its status or size calls for.
//
// Input: a selector byte (bits 0-1: the raw answer, or a built one with Content-Length, chunked
// or gzip; bits 2-3: gzip level 0, 1, 6 or 9; bits 4-7: chunk size - 1), a byte for the cap
// (0: the default, else 8 bytes for each unit), a byte picking the status of a built answer,
// then the raw answer or the body.

#include "FuzzSupport.h"

#include "platform/system/CurlHttpClient.h"
#include "platform/testing/GzipCompress.h"
#include "platform/testing/LoopbackHttpServer.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

using namespace plat;
using skelda::fuzz::Check;

namespace {

enum TAnswer { Raw, WithLength, Chunked, Gzip };

constexpr int Statuses[] = {200, 201, 203, 206, 400, 404, 410, 500, 503};
constexpr int GzipLevels[] = {0, 1, 6, 9};
// More than a few kilobytes adds nothing the reader sees but time.
constexpr std::size_t MaxAnswerBytes = 64 * 1024;
// What the client may take beyond its total time-out to give up. Generous: on a machine loaded
// with other work a request of 2 s was seen to end after 3.2 s, yet a client that ignored its
// time-out would still stand out, hanging until libFuzzer's own 20 s.
constexpr auto GraceMs = 5000;

THttpOptions Options(std::uint8_t capUnits)
{
    THttpOptions options;
    options.ConnectTimeoutMs = 1000;
    options.TotalTimeoutMs = 2000;
    if (capUnits != 0)
        options.MaxBodyBytes = capUnits * 8u;
    return options;
}

std::string Head(int status)
{
    return "HTTP/1.1 " + std::to_string(status) + " Status\r\nConnection: close\r\n";
}

std::string ChunkedBody(std::string_view body, std::size_t chunkBytes)
{
    std::string out;
    while (!body.empty()) {
        const std::string_view chunk = body.substr(0, chunkBytes);
        char size[16];
        std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
        out += size;
        out += chunk;
        out += "\r\n";
        body.remove_prefix(chunk.size());
    }
    return out + "0\r\n\r\n";
}

std::string BuiltAnswer(TAnswer answer, int status, std::string_view body, std::uint8_t selector)
{
    switch (answer) {
    case Chunked:
        return Head(status) + "Transfer-Encoding: chunked\r\n\r\n" + ChunkedBody(body, (selector >> 4) + 1u);
    case Gzip: {
        const std::string encoded = testing::GzipCompress(body, GzipLevels[(selector >> 2) & 3]);
        return Head(status) + "Content-Encoding: gzip\r\nContent-Length: " + std::to_string(encoded.size()) + "\r\n\r\n" + encoded;
    }
    default:
        return Head(status) + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + std::string(body);
    }
}

std::string ReadAll(IHttpRequest& request, std::size_t chunkBytes)
{
    std::string body;
    std::string buffer(chunkBytes, '\0');
    while (true) {
        const std::size_t count = request.Read(buffer.data(), buffer.size());
        Check(count <= buffer.size(), "a read handed out more than asked", std::to_string(count));
        if (count == 0)
            break;
        body.append(buffer.data(), count);
    }
    Check(request.Read(buffer.data(), buffer.size()) == 0, "a body goes on after its end");
    return body;
}

// A port that refuses every connection (bound, never listening, held for the life of the
// process) as the proxy for everything off the loopback, so that a redirect in a raw answer
// never reaches another host.
void SendEverythingElseNowhere()
{
    const int socketFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    Check(socketFd >= 0 && ::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length) == 0,
          "cannot hold a port");
    const std::string proxy = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    for (const char* name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        ::setenv(name, proxy.c_str(), 1);
    for (const char* name : {"no_proxy", "NO_PROXY"})
        ::unsetenv(name);
}

// One server answers input after input: with a server each, the ports each left in TIME_WAIT
// would run out within a minute. It is replaced well before it would stop by itself.
testing::LoopbackHttpServer& ServerAnswering(std::string reply)
{
    using Clock = std::chrono::steady_clock;
    static std::unique_ptr<testing::LoopbackHttpServer> server;
    static Clock::time_point started;
    if (server && Clock::now() - started < std::chrono::seconds(3)) {
        server->SetReply(std::move(reply));
        return *server;
    }
    server.reset();
    server = std::make_unique<testing::LoopbackHttpServer>(std::move(reply));
    started = Clock::now();
    return *server;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SendEverythingElseNowhere();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 3 || Size > MaxAnswerBytes)
        return 0;
    const std::uint8_t selector = Data[0];
    const auto answer = static_cast<TAnswer>(selector & 3);
    const THttpOptions options = Options(Data[1]);
    const int status = Statuses[Data[2] % std::size(Statuses)];
    const std::string_view rest = skelda::fuzz::AsText(Data + 3, Size - 3);

    const std::string url =
        ServerAnswering(answer == Raw ? std::string(rest) : BuiltAnswer(answer, status, rest, selector)).Url("/ftpdir/latest/wwv.txt");
    const auto start = std::chrono::steady_clock::now();
    THttpOpenResult opened = CurlHttpClient().OpenUrl(url, options);
    const auto elapsedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    Check(elapsedMs <= options.TotalTimeoutMs + GraceMs, "the answer outlasted the time-out", std::to_string(elapsedMs));

    if (opened.Ok()) {
        Check(opened.Error.empty(), "a success with an error text", opened.Error);
        Check(opened.StatusCode >= 200 && opened.StatusCode <= 299, "a success with a status outside 2xx",
              std::to_string(opened.StatusCode));
        Check(opened.Request->StatusCode() == opened.StatusCode, "the request has another status");
        const std::string body = ReadAll(*opened.Request, (selector >> 4) + 1u);
        Check(body.size() <= options.MaxBodyBytes, "a body over the cap");
        if (answer != Raw)
            Check(body == rest, "the body differs from the one sent", std::to_string(body.size()) + " of " + std::to_string(rest.size()));
    } else {
        const std::string prefix = "Could not download " + url + ": ";
        Check(opened.Error.starts_with(prefix) && opened.Error.size() > prefix.size(), "a failure without its reason", opened.Error);
    }
    if (answer == Raw)
        return 0;

    // What the built answer calls for: an oversized body whatever the status, then the status.
    const std::string expectedFailure = rest.size() > options.MaxBodyBytes
        ? "larger than " + std::to_string(options.MaxBodyBytes) + " bytes"
        : status < 200 || status > 299 ? "HTTP status " + std::to_string(status) : "";
    Check(opened.StatusCode == status, "another status than sent", std::to_string(opened.StatusCode));
    if (expectedFailure.empty())
        Check(opened.Ok(), "a good answer failed", opened.Error);
    else
        Check(!opened.Ok() && opened.Error.find(expectedFailure) != std::string::npos, "an answer failed for another reason",
              opened.Error + " (expected: " + expectedFailure + ")");
    return 0;
}
