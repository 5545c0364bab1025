#include "foundation/DialogLinks.h"

#include "platform/core/Utf8.h"
#include "platform/system/Environment.h"
#include "platform/system/Shell.h"

namespace skelda::foundation {

void OpenDialogLink(const std::string& HRef)
{
    const std::size_t colon = HRef.find(':');
    const std::string scheme = plat::Utf8LowerCase(HRef.substr(0, colon == std::string::npos ? 0 : colon));
    if (scheme == "http" || scheme == "https" || scheme == "mailto")
        plat::Env().Shell->OpenUrl(HRef);
}

}  // namespace skelda::foundation
