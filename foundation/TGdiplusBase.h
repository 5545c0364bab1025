#pragma once

#include "foundation/GPTypes.h"

namespace skelda::foundation {

// The root of the GDI+ wrapper: every wrapper owns exactly one object of the flat API, frees it
// with itself, and keeps the last failure status. Nothing is raised: failures show only as the
// status a call returns and the one the wrapper keeps. Wrappers cannot be copied. The ordinary
// allocator serves them. User-interface thread only.
class TGdiplusBase {
public:
    TGdiplusBase() = default;
    virtual ~TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;
};

// The set-status step of every wrapper: a failure is kept, Ok leaves the kept status as it was.
inline Status Recorded(Status& LastResult, Status Result)
{
    if (Result != Ok)
        LastResult = Result;
    return Result;
}

// Returns the kept status and resets it to Ok.
inline Status TakeStatus(Status& LastResult)
{
    const Status result = LastResult;
    LastResult = Ok;
    return result;
}

}  // namespace skelda::foundation
