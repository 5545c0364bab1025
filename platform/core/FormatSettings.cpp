#include "platform/core/FormatSettings.h"

namespace plat {

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

TFormatSettings DefaultFormatSettings()
{
    return TFormatSettings{};
}

}  // namespace plat
