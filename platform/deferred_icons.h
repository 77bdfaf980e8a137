#pragma once
// Qt's menu bar asks the style for the icon of its overflow button as it is made, and the
// style's icon files make Qt try every image-format plugin on disk: about a sixth of the time
// to the first window. The program's style hands out that icon only when it is first painted.

class QApplication;

namespace tavrel::platform {

// Installs, as the application's style, the platform's default style with that one change.
void deferOverflowIcons(QApplication& application);

}  // namespace tavrel::platform
