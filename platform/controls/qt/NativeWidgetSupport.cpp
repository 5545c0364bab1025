#include "platform/controls/qt/NativeWidgetSupport.h"

#include "platform/graphics/QtConversions.h"

#include <QAbstractButton>
#include <QFrame>
#include <QKeySequence>

namespace plat {

void SendCommand(TWinControl& Control, unsigned NotifyCode)
{
    Control.Perform(CN_COMMAND, MAKEWPARAM(0, static_cast<int>(NotifyCode)), reinterpret_cast<LPARAM>(&Control));
}

void ApplyNativeColors(QWidget* Widget, TColor Color, TColor TextColor, QPalette::ColorRole FaceRole)
{
    QPalette palette = Widget->palette();
    const QColor text = ToQColor(TextColor);
    palette.setColor(FaceRole, ToQColor(Color));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    Widget->setPalette(palette);
    if (FaceRole == QPalette::Window) {
        // Qt's buttons fill with the Button role; ours fill with the colour they were given.
        Widget->setBackgroundRole(QPalette::Window);
        Widget->setAutoFillBackground(true);
    }
}

void ReserveFrame(QFrame* Frame, const TRect& Insets)
{
    // A plain box as wide as the frame: Qt lays the viewport out inside it, our edge covers it.
    if (Insets.Left == 0) {
        Frame->setFrameStyle(QFrame::NoFrame);
        return;
    }
    Frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    Frame->setLineWidth(Insets.Left);
}

void SetButtonCaption(QAbstractButton* Button, const std::string& Caption)
{
    Button->setText(ToQString(Caption));
    Button->setShortcut(QKeySequence());
}

}  // namespace plat
