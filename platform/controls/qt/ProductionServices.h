#pragma once

namespace plat {

// Wires the production platform into the control layer, once at start-up, before the first
// control is made (the program's main; the main of every test program that touches Qt): Qt's
// timers, event queue, message boxes and popup menus, the tracked input state, the theme
// service (parts drawn by the application's style) and the help viewer with its own window for
// compiled help go into the environment, plain Qt widgets
// become the windows of controls that paint themselves, and the application object is made (it
// installs the exception boundary's handler and the focus).
// Needs the QApplication. Calling it again changes nothing.
void InstallProductionServices();

}  // namespace plat
