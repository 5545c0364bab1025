#pragma once

#include "platform/system/HttpClient.h"

#include <string>

namespace plat {

// A request whose body has arrived in full and is handed out from memory.
class BufferedHttpRequest : public IHttpRequest {
public:
    BufferedHttpRequest(int statusCode, std::string body);

    int StatusCode() const override;
    std::size_t Read(void* buffer, std::size_t maxBytes) override;

private:
    int FStatusCode;
    std::string FBody;
    std::size_t FReadBytes = 0;
};

}  // namespace plat
