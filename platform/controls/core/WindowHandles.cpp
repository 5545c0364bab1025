#include "platform/controls/core/WindowHandles.h"

#include "platform/controls/core/TControl.h"
#include "platform/controls/core/TWinControl.h"

#include <map>

namespace plat {

namespace {

class WindowHandleTable {
public:
    HWND HandleOf(TWinControl& Control)
    {
        if (const auto found = FByControl.find(&Control); found != FByControl.end())
            return found->second;
        const HWND handle = FNext++;
        FByControl.emplace(&Control, handle);
        FByHandle.emplace(handle, &Control);
        return handle;
    }

    TWinControl* Find(HWND Handle) const
    {
        const auto found = FByHandle.find(Handle);
        return found == FByHandle.end() ? nullptr : found->second;
    }

private:
    void Forget(TControl& Control)
    {
        const auto found = FByControl.find(&Control);
        if (found == FByControl.end())
            return;
        FByHandle.erase(found->second);
        FByControl.erase(found);
    }

    std::map<const TControl*, HWND> FByControl;
    std::map<HWND, TWinControl*> FByHandle;
    // Small numbers look like the platform's error codes to some callers.
    HWND FNext = 0x10000;
    TReleaseHookRegistration FRelease = TControl::AddReleaseHook([this](TControl& Control) { Forget(Control); });
};

WindowHandleTable& Table()
{
    static WindowHandleTable table;
    return table;
}

}  // namespace

HWND WindowHandleOf(TWinControl& Control)
{
    return Table().HandleOf(Control);
}

TWinControl* FindWindowControl(HWND Handle)
{
    return Table().Find(Handle);
}

}  // namespace plat
