#pragma once
// The program's own icon: a small calendar page with one day marked. It is drawn rather than read
// from a file so that the window, the notification area and the tests always have it.

#include <QIcon>
#include <QPixmap>

namespace orlevant {

QPixmap DrawAppIcon(int size);
// The icon at the usual sizes; drawn once.
const QIcon& AppIcon();

}  // namespace orlevant
