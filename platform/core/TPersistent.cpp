#include "platform/core/TPersistent.h"

#include "platform/core/Exception.h"

namespace plat {

void TPersistent::Assign(const TPersistent& Source)
{
    Source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& Dest) const
{
    throw EConvertError("Cannot assign a %s to a %s", {ClassName(), Dest.ClassName()});
}

}  // namespace plat
