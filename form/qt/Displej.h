#pragma once

// Where the window is to open. Without a display, or when Qt cannot start the
// window system it is given, the program ends with one line on stderr that
// says so and status 1, not with an abort and Qt's advice to reinstall.

// Before Qt starts: ends the program at once when there is no X11 or Wayland
// display for a platform that needs one, and makes a failure of Qt to start
// its platform end the program as above.
void HlidejOtevreniOkna();

// Once the application stands: Qt's messages go where they went before.
void OknoOtevreno();
