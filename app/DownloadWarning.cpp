#include "app/DownloadWarning.h"

#include "foundation/TCustomVezTaskDialog.h"
#include "platform/controls/services/DialogService.h"
#include "platform/core/TStrings.h"
#include "platform/system/Beeper.h"
#include "platform/system/Environment.h"

namespace skelda::app {

namespace {

// Only addresses that cannot break out of the link markup become links.
bool Linkable(const std::string& Url)
{
    const bool web = Url.rfind("http://", 0) == 0 || Url.rfind("https://", 0) == 0;
    return web && Url.find_first_of("\"'<>") == std::string::npos;
}

std::string HomePage(const std::string& Url)
{
    const std::size_t host = Url.find("://") + 3;
    return Url.substr(0, Url.find('/', host)) + "/";
}

std::string Link(const std::string& Url, const std::string& Caption)
{
    return Linkable(Url) ? "<a href=\"" + Url + "\">" + Caption + "</a>" : Caption;
}

}  // namespace

void ShowDownloadWarning(foundation::TVezTaskDialog& TSKDLG, const std::string& BulletinUrl)
{
    const std::string home = Linkable(BulletinUrl) ? HomePage(BulletinUrl) : std::string();
    TSKDLG.SetTitle("Warning!");
    TSKDLG.SetInstruction("Failed to download solar flux data");
    TSKDLG.SetContent("SKELDA could not download today's solar flux from the web site of the " +
                      Link(home, "space weather service") +
                      ".\nThe flux value will be picked up from a propagation prediction list for this month."
                      "\nPlease check your Internet connection.");
    TSKDLG.SetVerificationText({});
    TSKDLG.SetExpandedText("This problem occurs when the Internet connection is not established, or when the "
                           "address of the bulletin has changed or is wrong.\nYou can always type a solar flux "
                           "or a sunspot number in the solar value field.");
    TSKDLG.SetExpandControlText("Hide infos");
    TSKDLG.SetCollapsControlText("Want to know more ?");
    TSKDLG.SetFooter(Linkable(BulletinUrl) ? Link(BulletinUrl, "Open today's solar flux bulletin") : std::string());
    TSKDLG.SetOptions({foundation::doHyperlinks, foundation::doCommandLinks, foundation::doAllowDialogCancel});
    TSKDLG.SetIcon(foundation::tiWarning);
    TSKDLG.SetFooterIcon(foundation::tfiInformation);
    TSKDLG.CustomButtons().Add(kCloseWarningButton);
    TSKDLG.SetCommonButtons({});
    plat::Env().Beeper->MessageBeep(plat::MB_ICONASTERISK);
    TSKDLG.Execute();
}

}  // namespace skelda::app
