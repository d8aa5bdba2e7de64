#include "qt/styles.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace velt::qt {

std::vector<std::string> styleNames() { return {"Windows", "Fusion", "Onyx Blue"}; }

QPalette onyxBluePalette() {
    const QColor window(27, 42, 65);      // dark navy
    const QColor base(39, 63, 97);        // lighter blue for boxes and grids
    const QColor alternate(46, 73, 112);
    const QColor button(36, 58, 90);
    const QColor text(242, 246, 251);
    const QColor highlight(51, 195, 224);  // cyan, with dark text on it
    const QColor highlighted(10, 26, 43);
    const QColor dimmed(125, 143, 168);

    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, alternate);
    p.setColor(QPalette::ToolTipBase, QColor(51, 79, 120));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(159, 178, 204));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 122, 122));
    p.setColor(QPalette::Light, QColor(70, 104, 150));
    p.setColor(QPalette::Midlight, QColor(52, 82, 122));
    p.setColor(QPalette::Mid, QColor(24, 38, 58));
    p.setColor(QPalette::Dark, QColor(16, 26, 41));
    p.setColor(QPalette::Shadow, QColor(8, 14, 23));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, highlighted);
    p.setColor(QPalette::Link, QColor(111, 211, 240));
    p.setColor(QPalette::LinkVisited, QColor(176, 156, 240));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dimmed);
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(33, 51, 78));
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(31, 48, 73));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(59, 85, 120));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, dimmed);
    return p;
}

bool applyNamedStyle(const std::string& name) {
    QString key = name == "Windows" ? "Windows" : name == "Fusion" || name == "Onyx Blue" ? "Fusion" : QString();
    if (key.isEmpty()) return false;
    QStyle* style = QStyleFactory::create(key);
    if (!style) return false;
    QApplication::setStyle(style);
    QApplication::setPalette(name == "Onyx Blue" ? onyxBluePalette() : style->standardPalette());
    return true;
}

} // namespace velt::qt
