#include "platform/controls/services/DialogService.h"

namespace plat {

int MessageBoxButtons(unsigned Flags, int (&Ids)[3])
{
    switch (Flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        Ids[0] = IDOK, Ids[1] = IDCANCEL;
        return 2;
    case MB_ABORTRETRYIGNORE:
        Ids[0] = IDABORT, Ids[1] = IDRETRY, Ids[2] = IDIGNORE;
        return 3;
    case MB_YESNOCANCEL:
        Ids[0] = IDYES, Ids[1] = IDNO, Ids[2] = IDCANCEL;
        return 3;
    case MB_YESNO:
        Ids[0] = IDYES, Ids[1] = IDNO;
        return 2;
    case MB_RETRYCANCEL:
        Ids[0] = IDRETRY, Ids[1] = IDCANCEL;
        return 2;
    default:
        Ids[0] = IDOK;
        return 1;
    }
}

int MessageBoxDefaultId(unsigned Flags)
{
    int ids[3] = {};
    const int count = MessageBoxButtons(Flags, ids);
    const int index = static_cast<int>((Flags & MB_DEFMASK) >> 8);
    // A default beyond the last button falls back to the first, as the platform did.
    return ids[index < count ? index : 0];
}

}  // namespace plat
