#include "platform/graphics/StandardIcons.h"

#include "platform/graphics/TIcon.h"

#include <QIcon>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace plat {

namespace {

// The style every stock icon comes from, whatever style the application shows.
QStyle& PinnedStyle()
{
    static const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
    return *style;
}

bool StandardPixmapOf(int Id, QStyle::StandardPixmap& Pixmap)
{
    switch (Id) {
    case IDI_HAND: Pixmap = QStyle::SP_MessageBoxCritical; return true;
    case IDI_QUESTION: Pixmap = QStyle::SP_MessageBoxQuestion; return true;
    case IDI_EXCLAMATION: Pixmap = QStyle::SP_MessageBoxWarning; return true;
    case IDI_ASTERISK: Pixmap = QStyle::SP_MessageBoxInformation; return true;
    case IDI_WINLOGO: Pixmap = QStyle::SP_DesktopIcon; return true;
    default: return false;
    }
}

}  // namespace

bool LoadStandardIcon(int Id, int SizePx, TIcon& Icon)
{
    QStyle::StandardPixmap pixmap{};
    if (SizePx < 1 || !StandardPixmapOf(Id, pixmap))
        return false;
    const QIcon icon = PinnedStyle().standardIcon(pixmap);
    QImage image = icon.pixmap(SizePx, SizePx).toImage();
    if (image.isNull())
        return false;
    // A style may hand out a nearer size than the one asked for; the caller lays out by SizePx.
    if (image.width() != SizePx || image.height() != SizePx)
        image = image.scaled(SizePx, SizePx, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Icon.LoadFromImage(image);
    return true;
}

}  // namespace plat
