#pragma once

#include "platform/system/HttpClient.h"

#include <map>
#include <string>
#include <vector>

namespace plat::testing {

// Answers from a table instead of the network. A URL not in the table fails as a host that
// does not resolve would; statuses outside 2xx and bodies over the cap fail as they do in
// production. Every URL asked for is kept.
class FakeHttpClient : public IHttpClient {
public:
    THttpOpenResult OpenUrl(const std::string& url, const THttpOptions& options) override;

    void SetResponse(const std::string& url, std::string body, int statusCode = 200);
    // The URL fails with this error text, as an unreachable server would.
    void SetFailure(const std::string& url, std::string error);

    const std::vector<std::string>& RequestedUrls() const { return FRequested; }
    const THttpOptions& LastOptions() const { return FLastOptions; }

private:
    struct TAnswer {
        int StatusCode = 0;
        std::string Body;
        std::string Error;
    };

    std::map<std::string, TAnswer> FAnswers;
    std::vector<std::string> FRequested;
    THttpOptions FLastOptions;
};

}  // namespace plat::testing
