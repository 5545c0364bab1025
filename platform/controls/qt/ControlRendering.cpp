#include "platform/controls/qt/ControlRendering.h"

#include "platform/controls/core/TWinControl.h"

#include <QImage>
#include <QWidget>

namespace plat {

namespace {

// A window that is not on the screen is shown for the length of the rendering without
// appearing, so that its children paint as they would on the screen.
QImage RenderWindow(TWinControl& Control)
{
    QWidget* widget = Control.Handle();
    QWidget* window = widget->window();
    const bool wasShown = window->isVisible();
    if (!wasShown) {
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
    }
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget->render(&image);
    if (!wasShown) {
        window->hide();
        window->setAttribute(Qt::WA_DontShowOnScreen, false);
    }
    return image;
}

}  // namespace

QImage RenderControl(TControl& Control)
{
    if (auto* windowed = dynamic_cast<TWinControl*>(&Control))
        return RenderWindow(*windowed);
    TWinControl* parent = Control.GetParent();
    if (!parent)
        return {};
    const QImage whole = RenderWindow(*parent);
    const TPoint offset = parent->WidgetClientOffset();
    return whole.copy(Control.GetLeft() + offset.X, Control.GetTop() + offset.Y, Control.GetWidth(),
                      Control.GetHeight());
}

}  // namespace plat
