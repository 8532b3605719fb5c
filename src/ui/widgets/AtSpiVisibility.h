#pragma once

namespace accessibility {

// Qt's AT-SPI bridge (Linux) tells a screen reader that a control is
// showing when it appears, but never that it became visible: a reader that
// first read the control hidden keeps it for invisible, and leaves it out
// of flat review. This sends the missing "visible" for every control that
// appears in a window on screen, on the bridge's own connection. Installed
// once; does nothing where there is no AT-SPI bridge or no reader.
//
// A work-around for Qt 6.4 (Debian 12's Qt): it can go once the Qt the
// program is built with sends "visible" itself, which the Orca check
// (ctest -L orca) shows when it passes with this relay left out.
void relayVisibleStates();

} // namespace accessibility
