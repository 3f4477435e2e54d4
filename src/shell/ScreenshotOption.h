#pragma once
// Hidden command-line options for checking the program's look without a person at the screen:
// --screenshot FILE saves the main window as a picture, --screenshot-info FILE the about box,
// --screenshot-page FILE the main window with the active record's output page; the program then ends
// as through Beenden, without saving.
#include <QStringList>

namespace talur {

class frmMAIN;

// Returns false when the arguments ask for no screenshot.
bool scheduleScreenshots(frmMAIN& window, const QStringList& arguments);

} // namespace talur
