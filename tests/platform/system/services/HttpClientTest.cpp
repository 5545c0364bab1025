#include "platform/system/CurlHttpClient.h"
#include "platform/testing/GzipCompress.h"
#include "platform/testing/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <vector>

namespace plat {
namespace {

using testing::LoopbackHttpServer;

THttpOptions ShortOptions()
{
    THttpOptions options;
    options.ConnectTimeoutMs = 1000;
    options.TotalTimeoutMs = 2000;
    return options;
}

std::string Bulletin(std::size_t bytes)
{
    std::string body;
    while (body.size() < bytes)
        body += "Solar flux 128 and estimated planetary A-index 5.\n";
    body.resize(bytes);
    return body;
}

TEST(CurlHttpClientTest, BodyIsHandedOutInChunksOfAtMostTheAskedSize)
{
    const std::string body = Bulletin(2500);
    LoopbackHttpServer server(LoopbackHttpServer::Reply(200, "OK", body));
    CurlHttpClient client;

    THttpOpenResult opened = client.OpenUrl(server.Url("/ftpdir/latest/wwv.txt"), ShortOptions());

    ASSERT_TRUE(opened.Ok()) << opened.Error;
    EXPECT_EQ(opened.StatusCode, 200);
    EXPECT_EQ(opened.Request->StatusCode(), 200);
    std::vector<std::size_t> chunks;
    std::string received;
    char buffer[1024];
    for (std::size_t count; (count = opened.Request->Read(buffer, sizeof buffer)) != 0;) {
        chunks.push_back(count);
        received.append(buffer, count);
    }
    EXPECT_EQ(chunks, (std::vector<std::size_t>{1024, 1024, 452}));
    EXPECT_EQ(received, body);
    EXPECT_EQ(opened.Request->Read(buffer, sizeof buffer), 0u) << "the end stays the end";
    const std::string request = server.LastRequest();
    EXPECT_NE(request.find("GET /ftpdir/latest/wwv.txt HTTP/1.1\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("User-Agent: SKELDA\r\n"), std::string::npos) << request;
}

TEST(CurlHttpClientTest, EmptyBodyIsASuccessThatReadsNothing)
{
    LoopbackHttpServer server(LoopbackHttpServer::Reply(204, "No Content", ""));
    CurlHttpClient client;
    THttpOpenResult opened = client.OpenUrl(server.Url("/"), ShortOptions());
    ASSERT_TRUE(opened.Ok()) << opened.Error;
    char buffer[16];
    EXPECT_EQ(opened.Request->Read(buffer, sizeof buffer), 0u);
}

TEST(CurlHttpClientTest, ServerAnswersThatAreNotABodyFailWithTheirReason)
{
    struct Case {
        const char* Name;
        std::string Reply;
        int ExpectedStatus;
        const char* ExpectedText;
    };
    const Case cases[] = {
        {"not found", LoopbackHttpServer::Reply(404, "Not Found", "no such bulletin"), 404, "HTTP status 404"},
        {"server error", LoopbackHttpServer::Reply(503, "Unavailable", ""), 503, "HTTP status 503"},
        {"announced too large", LoopbackHttpServer::Reply(200, "OK", Bulletin(5000)), 200, "larger than 4000 bytes"},
        {"too large without length", LoopbackHttpServer::Reply(200, "OK", Bulletin(5000), false), 200, "larger than 4000 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LoopbackHttpServer server(c.Reply);
        THttpOptions options = ShortOptions();
        options.MaxBodyBytes = 4000;
        const THttpOpenResult opened = CurlHttpClient().OpenUrl(server.Url("/wwv.txt"), options);
        EXPECT_FALSE(opened.Ok());
        EXPECT_EQ(opened.StatusCode, c.ExpectedStatus);
        EXPECT_NE(opened.Error.find(c.ExpectedText), std::string::npos) << opened.Error;
        EXPECT_NE(opened.Error.find(server.Url("/wwv.txt")), std::string::npos) << opened.Error;
    }
}

TEST(CurlHttpClientTest, CapCountsTheBodyAsDecodedNotAsSent)
{
    const auto gzipReply = [](const std::string& body, int level) {
        const std::string encoded = testing::GzipCompress(body, level);
        return "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Encoding: gzip\r\nContent-Length: " +
               std::to_string(encoded.size()) + "\r\n\r\n" + encoded;
    };
    THttpOptions options = ShortOptions();
    options.MaxBodyBytes = 4000;
    const std::string fits = Bulletin(4000);
    const std::string overflows = Bulletin(40000);

    // Stored rather than compressed: more bytes on the wire than in the body.
    LoopbackHttpServer stored(gzipReply(fits, 0));
    THttpOpenResult opened = CurlHttpClient().OpenUrl(stored.Url("/wwv.txt"), options);
    ASSERT_TRUE(opened.Ok()) << opened.Error;
    std::string received(fits.size() + 1, '\0');
    received.resize(opened.Request->Read(received.data(), received.size()));
    EXPECT_EQ(received, fits);

    // Compressed to far fewer bytes than the cap, but larger than it once decoded.
    LoopbackHttpServer compressed(gzipReply(overflows, 9));
    opened = CurlHttpClient().OpenUrl(compressed.Url("/wwv.txt"), options);
    EXPECT_FALSE(opened.Ok());
    EXPECT_NE(opened.Error.find("larger than 4000 bytes"), std::string::npos) << opened.Error;
}

TEST(CurlHttpClientTest, ServerThatNeverAnswersTimesOutWithinTheTotalTimeOut)
{
    LoopbackHttpServer server("", /*silent=*/true);
    THttpOptions options = ShortOptions();
    options.TotalTimeoutMs = 300;

    const auto start = std::chrono::steady_clock::now();
    const THttpOpenResult opened = CurlHttpClient().OpenUrl(server.Url("/"), options);
    const auto elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();

    EXPECT_FALSE(opened.Ok());
    EXPECT_EQ(opened.StatusCode, 0);
    EXPECT_NE(opened.Error.find("timed out"), std::string::npos) << opened.Error;
    EXPECT_GE(elapsedMs, 250);
    EXPECT_LT(elapsedMs, 2000);
}

TEST(CurlHttpClientTest, PortWithNothingListeningIsRefused)
{
    // Bound but not listening: connections are refused, and no other program can take the port.
    const int socketFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(socketFd, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";

    const THttpOpenResult opened = CurlHttpClient().OpenUrl(url, ShortOptions());
    ::close(socketFd);

    EXPECT_FALSE(opened.Ok());
    EXPECT_EQ(opened.StatusCode, 0);
    EXPECT_EQ(opened.Error.rfind("Could not download " + url + ": ", 0), 0u) << opened.Error;
    EXPECT_GT(opened.Error.size(), ("Could not download " + url + ": ").size());
}

TEST(CurlHttpClientTest, UrlsOtherThanHttpAreRefusedWithoutAnyConnection)
{
    const char* const urls[] = {"", "not a url", "ftp://127.0.0.1/wwv.txt", "file:///etc/passwd", "http://", "https://"};
    for (const char* url : urls) {
        SCOPED_TRACE(url);
        const THttpOpenResult opened = CurlHttpClient().OpenUrl(url, ShortOptions());
        EXPECT_FALSE(opened.Ok());
        EXPECT_FALSE(opened.Error.empty());
    }
}

}  // namespace
}  // namespace plat
