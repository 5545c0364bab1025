#include "platform/testing/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace plat::testing {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto Lifetime = std::chrono::seconds(5);
constexpr auto RequestTimeout = std::chrono::seconds(2);

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(std::string rawReply, bool silent) : FReply(std::move(rawReply)), FSilent(silent)
{
    FListener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    FStopEvent = ::eventfd(0, EFD_CLOEXEC);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (FListener < 0 || FStopEvent < 0 ||
        ::bind(FListener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(FListener, 8) != 0 ||
        ::getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        for (const int fd : {FListener, FStopEvent})
            if (fd >= 0)
                ::close(fd);
        throw std::runtime_error("Cannot listen on 127.0.0.1");
    }
    FPort = ntohs(address.sin_port);
    FThread = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    FStop = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(FStopEvent, &one, sizeof one);
    FThread.join();
    ::close(FListener);
    ::close(FStopEvent);
}

void LoopbackHttpServer::SetReply(std::string rawReply)
{
    std::lock_guard lock(FMutex);
    FReply = std::move(rawReply);
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

bool LoopbackHttpServer::Wait(int fd, short events, std::chrono::steady_clock::time_point deadline)
{
    while (!FStop) {
        const auto leftMs = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (leftMs <= 0)
            return false;
        pollfd entries[] = {{fd, events, 0}, {FStopEvent, POLLIN, 0}};
        const int ready = ::poll(entries, 2, static_cast<int>(std::min<long long>(leftMs, 1000)));
        if (ready < 0 && errno != EINTR)
            return false;
        if (entries[1].revents != 0)
            return false;
        if (entries[0].revents != 0)
            return true;
    }
    return false;
}

void LoopbackHttpServer::Serve()
{
    const auto deadline = Clock::now() + Lifetime;
    while (Wait(FListener, POLLIN, deadline)) {
        const int connection = ::accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            continue;
        Answer(connection, deadline);
        if (FSilent)
            Wait(-1, 0, deadline);  // poll passes over a negative descriptor: only the stop ends this
        ::close(connection);
    }
}

void LoopbackHttpServer::Answer(int connection, std::chrono::steady_clock::time_point deadline)
{
    std::string request;
    char buffer[4096];
    const auto requestDeadline = std::min(deadline, Clock::now() + RequestTimeout);
    while (request.find("\r\n\r\n") == std::string::npos && Wait(connection, POLLIN, requestDeadline)) {
        const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (count <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(count));
    }
    std::string reply;
    {
        std::lock_guard lock(FMutex);
        FLastRequest = request;
        reply = FReply;
    }
    if (FSilent)
        return;
    // The socket does not block: a client that stops reading must not keep the server from
    // stopping.
    std::size_t sent = 0;
    while (sent < reply.size() && Wait(connection, POLLOUT, deadline)) {
        const ssize_t count = ::send(connection, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (count <= 0)
            break;
        sent += static_cast<std::size_t>(count);
    }
}

}  // namespace plat::testing
