#include "platform/testing/Screenshot.h"

#include "platform/controls/qt/ControlRendering.h"
#include "platform/testing/Artifacts.h"

#include <QString>

namespace plat::testing {

QImage Screenshot(TControl& Control, const std::string& FileName)
{
    QImage image = RenderControl(Control);
    if (!FileName.empty())
        image.save(QString::fromStdString(ArtifactPath(FileName)), "PNG");
    return image;
}

}  // namespace plat::testing
