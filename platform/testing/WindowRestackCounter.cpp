#include "platform/testing/WindowRestackCounter.h"

#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/WindowHost.h"

#include <QEvent>
#include <QWidget>

namespace plat::testing {

WindowRestackCounter::WindowRestackCounter(TWinControl& Control)
{
    Control.HandleNeeded();
    FWindow = Control.Host()->Widget();
    FWindow->installEventFilter(this);
}

WindowRestackCounter::~WindowRestackCounter()
{
    if (FWindow)
        FWindow->removeEventFilter(this);
}

bool WindowRestackCounter::eventFilter(QObject* /*Watched*/, QEvent* Event)
{
    if (Event->type() == QEvent::ZOrderChange)
        ++FCount;
    return false;
}

}  // namespace plat::testing
