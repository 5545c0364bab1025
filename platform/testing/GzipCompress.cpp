#include "platform/testing/GzipCompress.h"

#include <zlib.h>

#include <stdexcept>

namespace plat::testing {

std::string GzipCompress(std::string_view data, int level)
{
    z_stream stream{};
    // 16 more window bits ask for the gzip wrapper rather than the zlib one.
    if (deflateInit2(&stream, level, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("Cannot start gzip compression");
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("Cannot gzip the data");
    return out;
}

}  // namespace plat::testing
