#include "platform/testing/FakeHttpClient.h"

#include "platform/system/BufferedHttpRequest.h"

#include <memory>

namespace plat::testing {

THttpOpenResult FakeHttpClient::OpenUrl(const std::string& url, const THttpOptions& options)
{
    FRequested.push_back(url);
    FLastOptions = options;
    THttpOpenResult result;
    const auto found = FAnswers.find(url);
    if (found == FAnswers.end()) {
        result.Error = "Could not download " + url + ": Could not resolve host";
        return result;
    }
    const TAnswer& answer = found->second;
    result.StatusCode = answer.StatusCode;
    if (!answer.Error.empty())
        result.Error = "Could not download " + url + ": " + answer.Error;
    else if (answer.StatusCode < 200 || answer.StatusCode > 299)
        result.Error = "Could not download " + url + ": the server answered with HTTP status " + std::to_string(answer.StatusCode);
    else if (answer.Body.size() > options.MaxBodyBytes)
        result.Error = "Could not download " + url + ": the response is larger than " + std::to_string(options.MaxBodyBytes) + " bytes";
    else
        result.Request = std::make_unique<BufferedHttpRequest>(answer.StatusCode, answer.Body);
    return result;
}

void FakeHttpClient::SetResponse(const std::string& url, std::string body, int statusCode)
{
    FAnswers[url] = {statusCode, std::move(body), {}};
}

void FakeHttpClient::SetFailure(const std::string& url, std::string error)
{
    FAnswers[url] = {0, {}, std::move(error)};
}

}  // namespace plat::testing
