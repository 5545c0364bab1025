#include "grid/text/LocaleSettings.h"

#include "platform/core/FormatSettings.h"

namespace skelda::grid {

char UtilDateSeparator() { return plat::FormatSettings().DateSeparator; }

char UtilTimeSeparator() { return plat::FormatSettings().TimeSeparator; }

char UtilThousandSeparator() { return plat::FormatSettings().ThousandSeparator; }

char UtilDecimalSeparator() { return plat::FormatSettings().DecimalSeparator; }

std::string UtilShortDateFormat() { return plat::FormatSettings().ShortDateFormat; }

}  // namespace skelda::grid
