#include "platform/testing/SwitchableThemeServices.h"

namespace plat::testing {

HTHEME SwitchableThemeServices::OpenThemeData(std::string_view ClassList)
{
    return FEnabled ? QtThemeServices::OpenThemeData(ClassList) : 0;
}

}  // namespace plat::testing
