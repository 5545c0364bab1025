#include "platform/graphics/ThemeServices.h"

#include "platform/core/Exception.h"
#include "platform/system/Environment.h"

namespace plat {

IThemeServices& ThemeServices()
{
    IThemeServices* themes = Env().Themes;
    if (!themes)
        throw EInvalidOperation("No theme service is installed");
    return *themes;
}

}  // namespace plat
