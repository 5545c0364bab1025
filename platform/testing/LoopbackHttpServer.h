#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

namespace plat::testing {

// A one-answer HTTP server on 127.0.0.1 and a free port, for tests and fuzz targets of the HTTP
// client. Every connection gets the same raw reply (or, when silent, no reply until the server
// stops) and is closed after it. The server stops when it is destroyed, at once, and by itself
// after a few seconds at most. Each closed connection keeps the port in TIME_WAIT for a minute;
// many answers in a row take one server and SetReply rather than a server each.
class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(std::string rawReply, bool silent = false);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // The raw reply for the connections from now on.
    void SetReply(std::string rawReply);

    std::string Url(const std::string& path) const;
    // The head of the last request received.
    std::string LastRequest() const;

    // A complete reply; without Content-Length the body ends when the connection closes.
    static std::string Reply(int status, const std::string& reason, const std::string& body, bool withLength = true);

private:
    void Serve();
    void Answer(int connection, std::chrono::steady_clock::time_point deadline);
    // Waits for events on fd; false when the server stops or the deadline passes first.
    bool Wait(int fd, short events, std::chrono::steady_clock::time_point deadline);

    std::string FReply;  // under FMutex
    bool FSilent;
    int FListener = -1;
    // Readable once the server is to stop, so that no wait outlasts the destructor.
    int FStopEvent = -1;
    int FPort = 0;
    std::atomic<bool> FStop{false};
    mutable std::mutex FMutex;
    std::string FLastRequest;
    std::thread FThread;
};

}  // namespace plat::testing
