#pragma once

// The headless Qt application and production services the targets need that make controls,
// made once in LLVMFuzzerInitialize.

#include "platform/controls/qt/ProductionServices.h"

#include <QApplication>

#include <cstdlib>

namespace skelda::fuzz {

inline void StartHeadlessWidgets(int* Argc, char*** Argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication App(*Argc, *Argv);
    plat::InstallProductionServices();
}

}  // namespace skelda::fuzz
