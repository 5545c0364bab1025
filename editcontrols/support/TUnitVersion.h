#pragma once

#include "editcontrols/support/TUnitVersionInfo.h"
#include "platform/core/TObject.h"
#include "platform/system/DateTime.h"

#include <string>

namespace skelda::editcontrols {

// A unit's version record as the registry lists it, read out of the keyword lines. Each text
// starts from its field with blanks and control characters trimmed at both ends:
//   RCSfile  "$RCSfile: KclBase.pas,v $" gives "KclBase.pas" (from the last comma on is
//            dropped); "$URL: .../source/KclBase.pas $" gives the last segment "KclBase.pas".
//   Revision "$Revision: 3266 $" gives "3266".
//   Date     "$Date: 2010-12-05 16:30:00 +0100 $" gives "2010-12-05 16:30:00 +0100".
// A field without its keyword reads as it is. Does not own the record.
class TUnitVersion : public plat::TObject {
public:
    explicit TUnitVersion(const TUnitVersionInfo* AInfo) : FInfo(AInfo) {}

    const TUnitVersionInfo* Info() const { return FInfo; }
    std::string RCSfile() const;
    std::string Revision() const;
    std::string Date() const;
    std::string Extra() const;
    std::string LogPath() const;
    void* Data() const { return FInfo->Data; }

    // The moment the Date text names, its zone ignored. The date before the first blank reads
    // by its separators: "/" or "-" at the fifth character is year-month-day ("2010-12-05"),
    // "/" or "-" elsewhere month/day/year ("12/05/2010"), "." day.month.year ("05.12.2010");
    // 0 without any of them. The time after the first blank is hours, minutes and seconds
    // separated by ":", or by "/" when it has no ":"; missing parts count 0. Digits that do
    // not form a valid date or time raise EConvertError.
    plat::TDateTime DateTime() const;

private:
    const TUnitVersionInfo* FInfo;
};

}  // namespace skelda::editcontrols
