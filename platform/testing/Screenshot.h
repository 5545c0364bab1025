#pragma once

#include <QImage>

#include <string>

namespace plat {
class TControl;
}

namespace plat::testing {

// The control rendered headless (see RenderControl); with a file name, also saved as PNG under
// the artifacts folder, for a person to look at.
QImage Screenshot(TControl& Control, const std::string& FileName = {});

}  // namespace plat::testing
