// A window's place and size as the settings and documents keep them: a
// maximized window keeps the place it goes back to.
#pragma once

#include <QWidget>

#include "shell/settings_schema.h"

inline zentra::WindowGeometry placeOf(const QWidget& window) {
    const QRect g = window.isMaximized() || window.isFullScreen() ? window.normalGeometry() : window.geometry();
    return {g.top(), g.height(), g.left(), g.width()};
}
