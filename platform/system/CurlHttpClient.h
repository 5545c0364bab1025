#pragma once

#include "platform/system/HttpClient.h"

namespace plat {

// HTTP GET through libcurl. The whole body is fetched inside OpenUrl (bounded by the time-outs
// and the size cap), so reading afterwards can no longer fail. Redirects to http and https are
// followed; proxies come from the usual environment variables, except for loopback addresses.
class CurlHttpClient : public IHttpClient {
public:
    THttpOpenResult OpenUrl(const std::string& url, const THttpOptions& options) override;
};

}  // namespace plat
