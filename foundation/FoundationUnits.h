#pragma once

namespace skelda::foundation {

// The start-up work of the foundation's units, which the program's start-up calls once after
// installing the production services and before any control draws: GDI+ is started (with its
// notification hook below version 6) and the theme library bound under its three names. A
// missing theme-library entry raises EAssertionFailed and stops the start-up. Calls after the
// first do nothing. Main thread only.
void StartUpFoundationUnits();
// Undoes it in reverse order once every control is gone: the composition library and the theme
// library freed, GDI+ shut down. Calls without a start-up do nothing.
void ShutDownFoundationUnits();

}  // namespace skelda::foundation
