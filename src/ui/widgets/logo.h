#pragma once

#include <QPixmap>

namespace orv {

// The program's own logo, drawn rather than shipped: a collar ring with a
// satellite above it and a signal arc between them.
QPixmap drawOrvLogo(int size);

}  // namespace orv
