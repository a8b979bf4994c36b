#pragma once

#include <QPixmap>

namespace korvalin {

// The program's icon, drawn at any size: a road across a green continent
// under a night sky, from the hiker's marker in the east to a red London.
QPixmap programIcon(int size);

}  // namespace korvalin
