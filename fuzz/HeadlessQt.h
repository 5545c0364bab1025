#pragma once

// The headless Qt application the picture targets need, made once in LLVMFuzzerInitialize.

#include <QGuiApplication>
#include <QImageReader>

#include <cstdlib>

namespace skelda::fuzz {

// AllocationLimitMB caps what Qt's image readers decode: a few bytes may declare a picture of
// hundreds of megabytes, which would only slow the search down.
inline void StartHeadlessQt(int* Argc, char*** Argv, int AllocationLimitMB)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication App(*Argc, *Argv);
    QImageReader::setAllocationLimit(AllocationLimitMB);
}

}  // namespace skelda::fuzz
