#include "qt/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace velt::qt {

namespace {

const QColor kPlantBlue(31, 95, 168);
const QColor kPlantNavy(20, 52, 96);

// A gear outline with a round hole, centred on c.
QPainterPath gearPath(QPointF c, qreal outer, qreal root, int teeth, qreal hole) {
    QPainterPath path;
    const qreal step = 2 * M_PI / teeth;
    // Each tooth: a flat top a little narrower than its base.
    for (int i = 0; i < teeth; ++i) {
        qreal a = -M_PI / 2 + i * step;  // a tooth at the top
        auto at = [&](qreal r, qreal angle) { return QPointF(c.x() + r * qCos(angle), c.y() + r * qSin(angle)); };
        QPointF p0 = at(root, a - step * 0.30), p1 = at(outer, a - step * 0.18);
        QPointF p2 = at(outer, a + step * 0.18), p3 = at(root, a + step * 0.30);
        if (i == 0) path.moveTo(p0);
        else path.lineTo(p0);
        path.lineTo(p1);
        path.lineTo(p2);
        path.lineTo(p3);
        path.arcTo(QRectF(c.x() - root, c.y() - root, 2 * root, 2 * root), -qRadiansToDegrees(a + step * 0.30),
                   -qRadiansToDegrees(step * 0.40));
    }
    path.closeSubpath();
    QPainterPath h;
    h.addEllipse(c, hole, hole);
    return path.subtracted(h);
}

void drawEmblem(QPainter& p, const QRectF& r) {
    const qreal s = qMin(r.width(), r.height());
    const QPointF c = r.center();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath gear = gearPath(c, s * 0.49, s * 0.38, 10, s * 0.27);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kPlantBlue.lighter(125));
    g.setColorAt(1, kPlantNavy);
    p.setPen(QPen(kPlantNavy, qMax<qreal>(1, s / 40)));
    p.setBrush(g);
    p.drawPath(gear);
    // The hub: white, with the "V" in it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 252, 255));
    p.drawEllipse(c, s * 0.27, s * 0.27);
    QPainterPath v;
    v.moveTo(c.x() - s * 0.15, c.y() - s * 0.12);
    v.lineTo(c.x(), c.y() + s * 0.14);
    v.lineTo(c.x() + s * 0.15, c.y() - s * 0.12);
    p.setPen(QPen(kPlantBlue, qMax<qreal>(1.5, s * 0.075), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
}

QPixmap emblem(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    drawEmblem(p, QRectF(0.5, 0.5, size - 1, size - 1));
    return pm;
}

void drawFactory(QPainter& p, const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(198, 222, 245));
    sky.setColorAt(0.7, QColor(238, 245, 252));
    sky.setColorAt(1, QColor(250, 252, 255));
    p.fillRect(r, sky);

    QRadialGradient sun(QPointF(r.left() + w * 0.82, r.top() + h * 0.2), h * 0.25);
    sun.setColorAt(0, QColor(255, 244, 214, 230));
    sun.setColorAt(1, QColor(255, 244, 214, 0));
    p.fillRect(r, sun);

    // Gears turning behind the plant.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(31, 95, 168, 70));
    p.drawPath(gearPath(QPointF(r.left() + w * 0.80, r.top() + h * 0.36), h * 0.26, h * 0.21, 14, h * 0.08));
    p.setBrush(QColor(31, 95, 168, 45));
    p.drawPath(gearPath(QPointF(r.left() + w * 0.64, r.top() + h * 0.22), h * 0.15, h * 0.12, 10, h * 0.05));

    const qreal ground = r.top() + h * 0.78;
    QColor body(38, 72, 122);
    p.setBrush(body);

    // The main hall with a saw-tooth roof.
    const qreal hallL = r.left() + w * 0.30, hallR = r.left() + w * 0.86, hallTop = r.top() + h * 0.50;
    QPainterPath hall;
    hall.moveTo(hallL, ground);
    hall.lineTo(hallL, hallTop);
    const int teeth = 5;
    const qreal tw = (hallR - hallL) / teeth;
    for (int i = 0; i < teeth; ++i) {
        hall.lineTo(hallL + i * tw, hallTop - h * 0.09);
        hall.lineTo(hallL + (i + 1) * tw, hallTop);
    }
    hall.lineTo(hallR, ground);
    hall.closeSubpath();
    p.drawPath(hall);

    // Office block, and chimneys whose smoke drifts away from the caption.
    p.drawRect(QRectF(r.left() + w * 0.12, r.top() + h * 0.56, w * 0.20, ground - (r.top() + h * 0.56)));
    p.drawRect(QRectF(r.left() + w * 0.60, r.top() + h * 0.27, w * 0.035, h * 0.30));
    p.drawRect(QRectF(r.left() + w * 0.655, r.top() + h * 0.34, w * 0.03, h * 0.20));

    p.setBrush(QColor(160, 172, 190, 110));
    for (int i = 0; i < 4; ++i) {
        qreal rr = h * (0.03 + i * 0.01);
        p.drawEllipse(QPointF(r.left() + w * (0.625 + i * 0.04), r.top() + h * (0.22 - i * 0.04)), rr * 1.4, rr);
    }

    // Lit windows.
    p.setBrush(QColor(255, 214, 120));
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(r.left() + w * (0.14 + i * 0.045), r.top() + h * (0.60 + row * 0.08), w * 0.025, h * 0.04));
    for (int i = 0; i < teeth * 2; ++i)
        p.drawRect(QRectF(hallL + w * 0.015 + i * (hallR - hallL) / (teeth * 2), r.top() + h * 0.60, w * 0.02, h * 0.09));

    // Ground.
    QLinearGradient earth(QPointF(0, ground), QPointF(0, r.bottom()));
    earth.setColorAt(0, QColor(52, 70, 96));
    earth.setColorAt(1, QColor(30, 42, 60));
    p.fillRect(QRectF(r.left(), ground, w, r.bottom() - ground), earth);

    // Caption.
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(qMax(10, int(h * 0.12)));
    p.setFont(f);
    QRectF caption(r.left() + w * 0.05, r.top() + h * 0.05, w * 0.6, h * 0.16);
    p.setPen(QColor(255, 255, 255, 180));
    p.drawText(caption.translated(1.5, 1.5), Qt::AlignLeft | Qt::AlignVCenter, "VELT.ERP");
    p.setPen(kPlantNavy);
    p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, "VELT.ERP");
    QFont sub = f;
    sub.setBold(false);
    sub.setPixelSize(qMax(8, int(h * 0.045)));
    p.setFont(sub);
    p.setPen(QColor(50, 80, 120));
    p.drawText(QRectF(caption.left(), caption.bottom(), w * 0.7, h * 0.07), Qt::AlignLeft | Qt::AlignTop,
               QString::fromUtf8("Планирование и учёт производства"));

    // The small emblem in the corner of the ground.
    qreal e = h * 0.14;
    drawEmblem(p, QRectF(r.right() - e - w * 0.03, ground + (r.bottom() - ground - e) / 2, e, e));
}

void drawPlaceholder(QPainter& p, const QRectF& r, const std::string& name) {
    p.fillRect(r, QColor(236, 238, 242));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 166, 176), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -2, -2));
    // A mountain and a sun: "a picture goes here".
    const qreal s = qMin(r.width(), r.height()) * 0.4;
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 184, 196));
    QPainterPath m;
    m.moveTo(c.x() - s * 0.6, c.y() + s * 0.35);
    m.lineTo(c.x() - s * 0.15, c.y() - s * 0.25);
    m.lineTo(c.x() + s * 0.1, c.y() + s * 0.05);
    m.lineTo(c.x() + s * 0.3, c.y() - s * 0.1);
    m.lineTo(c.x() + s * 0.6, c.y() + s * 0.35);
    m.closeSubpath();
    p.drawPath(m);
    p.drawEllipse(QPointF(c.x() + s * 0.35, c.y() - s * 0.35), s * 0.1, s * 0.1);
    if (!name.empty() && r.height() > 40) {
        p.setPen(QColor(120, 126, 136));
        p.drawText(r.adjusted(4, 0, -4, -4), Qt::AlignHCenter | Qt::AlignBottom, QString::fromStdString(name));
    }
}

} // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(emblem(size));
    return icon;
}

QPixmap picture(const std::string& name, QSize size) {
    if (size.isEmpty()) size = QSize(1, 1);
    QPixmap pm(size);
    pm.fill(Qt::white);
    QPainter p(&pm);
    QRectF r(0, 0, size.width(), size.height());
    if (name == "Image1") drawFactory(p, r);
    else drawPlaceholder(p, r, name);
    return pm;
}

} // namespace velt::qt
