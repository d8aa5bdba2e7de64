#pragma once
#include <QColor>

#include "ui/types.h"

namespace velt::qt {

// The windows write colours as 0x00BBGGRR, blue in the high byte.
inline QColor toQColor(ui::Color color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// Text that stays readable on a background a window chose, whatever the style's palette.
inline QColor textOn(const QColor& background) {
    int luma = (background.red() * 299 + background.green() * 587 + background.blue() * 114) / 1000;
    return luma > 140 ? QColor(24, 24, 24) : QColor(245, 247, 250);
}

} // namespace velt::qt
