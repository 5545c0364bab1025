#include "platform/system/SystemBeeper.h"

#include <QApplication>

namespace plat {

void SystemBeeper::MessageBeep(unsigned /*soundType*/)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

}  // namespace plat
