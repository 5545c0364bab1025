#include "foundation/IVezMessageForm.h"

#include <utility>

namespace skelda::foundation {

namespace {

TMessageFormFactory& InstalledFactory()
{
    static TMessageFormFactory factory = DefaultMessageFormFactory();
    return factory;
}

}  // namespace

void SetMessageFormFactory(TMessageFormFactory Factory)
{
    InstalledFactory() = std::move(Factory);
}

const TMessageFormFactory& MessageFormFactory()
{
    return InstalledFactory();
}

}  // namespace skelda::foundation
