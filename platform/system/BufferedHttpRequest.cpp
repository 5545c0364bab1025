#include "platform/system/BufferedHttpRequest.h"

#include <algorithm>
#include <cstring>

namespace plat {

BufferedHttpRequest::BufferedHttpRequest(int statusCode, std::string body)
    : FStatusCode(statusCode), FBody(std::move(body))
{
}

int BufferedHttpRequest::StatusCode() const
{
    return FStatusCode;
}

std::size_t BufferedHttpRequest::Read(void* buffer, std::size_t maxBytes)
{
    const std::size_t count = std::min(maxBytes, FBody.size() - FReadBytes);
    if (count > 0)
        std::memcpy(buffer, FBody.data() + FReadBytes, count);
    FReadBytes += count;
    return count;
}

}  // namespace plat
