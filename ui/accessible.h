// What assistive technology sees of the window beyond Qt's defaults: the
// window is a frame, the day cells tell their almanac, and the day cells, the
// help picture and the red box can be pressed, doing what a left click does.
#pragma once

namespace korinde {

// Installs the interfaces once; later calls do nothing.
void install_accessible_interfaces();

}  // namespace korinde
