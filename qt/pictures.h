#pragma once
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <string>

namespace velt::qt {

// The window icon "Icon_1": a gear with a "V" in the plant's blue.
QIcon appIcon();

// A picture a form names ("Image1": the plant with its gears and the caption VELT.ERP);
// any other name gets a neutral placeholder. Drawn at the asked size.
QPixmap picture(const std::string& name, QSize size);

} // namespace velt::qt
