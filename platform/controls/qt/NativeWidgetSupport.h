#pragma once

// Helpers of the controls built on a native Qt widget. Include only in .cpp files of the layer:
// it brings in Qt's widget headers.

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/graphics/Colors.h"

#include <QObject>
#include <QPoint>
#include <QPalette>

#include <string>

class QAbstractButton;
class QFrame;

namespace plat {

// Runs Act(control) whenever Source emits Sig while the widget still belongs to its control.
// Such a signal comes from a user action inside Qt, so Act runs inside the exception boundary.
template <typename Widget, typename Signal, typename Action>
void OnNativeSignal(TWindowHost* Host, Widget* Source, Signal Sig, Action Act)
{
    QObject::connect(Source, Sig, Source, [Host, Act] {
        if (TWinControl* control = Host->Control())
            Guarded(control, [&] { Act(*control); });
    });
}

// A Qt button that takes a click anywhere in its window, as the platform's buttons did (Qt's
// check boxes and radio buttons only take it on the box and the caption).
template <typename QtButton>
class TWholeAreaButton : public QtButton {
protected:
    bool hitButton(const QPoint& Pos) const override { return this->rect().contains(Pos); }
};

// Reflects a notification of the native control back to it (CN_COMMAND), as the parent did
// on the platform.
void SendCommand(TWinControl& Control, unsigned NotifyCode);

// The control's colour on the palette role the widget fills its face with, the font's colour
// on the text roles.
void ApplyNativeColors(QWidget* Widget, TColor Color, TColor TextColor, QPalette::ColorRole FaceRole);

// Keeps the contents of a scroll area (list, memo) inside the window's frame, which the control
// paints itself (WM_NCPAINT).
void ReserveFrame(QFrame* Frame, const TRect& Insets);

// The caption with its '&' marks shown as underlines; the accelerator stays ours
// (CM_DIALOGCHAR), so Qt gets no shortcut of its own.
void SetButtonCaption(QAbstractButton* Button, const std::string& Caption);

}  // namespace plat
