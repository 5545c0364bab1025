#pragma once

#include "editcontrols/support/OsRelease.h"
#include "editcontrols/support/TUnitVersionInfo.h"

#include <span>

namespace skelda::editcontrols {

// The version records of the support units, in the order the units register them.
std::span<const TUnitVersionInfo> SupportUnitRecords();

// The start-up work of the support units, which the program's start-up calls once before it
// needs them: detects the operating-system release, sets up the user's locale comparison,
// builds the ANSI and wide character tables and registers the support units' records for this
// module. Calls after the first do nothing, and so do calls after ShutDownSupportUnits. Main
// thread only. Raises what a part of the work raises (EKclMutexError, EKclWin32Error,
// EKclInternalError); what was done stays done, and a later call does the rest.
void StartUpSupportUnits();
// Removes this module's records and shuts the unit-version registry down for good. Calls after
// the first do nothing. Main thread only.
void ShutDownSupportUnits();

// The release StartUpSupportUnits detected; osUnknown before.
TOsRelease SupportOsRelease();

}  // namespace skelda::editcontrols
