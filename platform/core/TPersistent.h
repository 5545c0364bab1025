#pragma once

#include "platform/core/TObject.h"

namespace plat {

// An object whose state can be copied into another object by Assign.
class TPersistent : public TObject {
public:
    // Copies Source into this object. A class that knows how to take Source's state overrides
    // Assign and calls the inherited one for sources it does not know; the default asks Source
    // to AssignTo this object, which raises EConvertError "Cannot assign a <Src> to a <Dest>".
    virtual void Assign(const TPersistent& Source);

protected:
    // Lets a class copy itself into destinations that do not know it.
    virtual void AssignTo(TPersistent& Dest) const;
};

}  // namespace plat
