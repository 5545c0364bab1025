#pragma once

#include <string>
#include <string_view>

namespace plat::testing {

// Data as one gzip member, as a server sends a body with Content-Encoding: gzip. Level 0 stores
// the data uncompressed, so that the encoded body is always larger than the data.
std::string GzipCompress(std::string_view data, int level = 6);

}  // namespace plat::testing
