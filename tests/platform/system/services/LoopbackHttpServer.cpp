#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace plat::testing {

namespace {

constexpr auto Lifetime = std::chrono::seconds(5);
constexpr int PollMs = 20;

bool WaitReadable(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, PollMs) > 0;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(std::string rawReply, bool silent) : FReply(std::move(rawReply)), FSilent(silent)
{
    FListener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (FListener < 0 || ::bind(FListener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(FListener, 8) != 0 || ::getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (FListener >= 0)
            ::close(FListener);
        throw std::runtime_error("Cannot listen on 127.0.0.1");
    }
    FPort = ntohs(address.sin_port);
    FThread = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    FStop = true;
    FThread.join();
    ::close(FListener);
}

std::string LoopbackHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(FPort) + path;
}

std::string LoopbackHttpServer::LastRequest() const
{
    std::lock_guard lock(FMutex);
    return FLastRequest;
}

std::string LoopbackHttpServer::Reply(int status, const std::string& reason, const std::string& body, bool withLength)
{
    std::string reply = "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nConnection: close\r\n";
    if (withLength)
        reply += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    return reply + "\r\n" + body;
}

void LoopbackHttpServer::Serve()
{
    const auto deadline = std::chrono::steady_clock::now() + Lifetime;
    while (!FStop && std::chrono::steady_clock::now() < deadline) {
        if (!WaitReadable(FListener))
            continue;
        const int connection = ::accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        Answer(connection);
        if (FSilent) {
            while (!FStop && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(PollMs));
        }
        ::close(connection);
    }
}

void LoopbackHttpServer::Answer(int connection)
{
    std::string request;
    char buffer[4096];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (request.find("\r\n\r\n") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (!WaitReadable(connection))
            continue;
        const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(count));
    }
    {
        std::lock_guard lock(FMutex);
        FLastRequest = request;
    }
    if (FSilent)
        return;
    std::size_t sent = 0;
    while (sent < FReply.size()) {
        const ssize_t count = ::send(connection, FReply.data() + sent, FReply.size() - sent, MSG_NOSIGNAL);
        if (count <= 0)
            break;
        sent += static_cast<std::size_t>(count);
    }
}

}  // namespace plat::testing
