#include "grid/model/TGridChangeNotifier.h"

namespace skelda::grid {

void TGridChangeNotifier::CellsChangedNotify(const plat::TRect&) {}

}  // namespace skelda::grid
