#include "cerchio.h"

#include "units.h"

#include <QPainter>
#include <QPen>
#include <QPointF>
#include <algorithm>

namespace bolv {

Cerchio::Cerchio(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("Picture1"));
    const double pixel = logicalDpiX() / double(platform::twipsPerInch);
    setMinimumSize(int(LARGHEZZACERCHIO * pixel), int(ALTEZZACERCHIO * pixel));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Cerchio::disegna(const std::array<Punto, 5>& vertici) {
    corners = vertici;
    disegnato = true;
    update();
}

void Cerchio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    // The drawing area keeps its proportions, centred in whatever room the window gives it.
    const double scala =
        std::min(width() / double(LARGHEZZACERCHIO), height() / double(ALTEZZACERCHIO));
    p.translate((width() - LARGHEZZACERCHIO * scala) / 2, (height() - ALTEZZACERCHIO * scala) / 2);
    p.scale(scala, scala);
    QPen penna(Qt::black, 1);
    penna.setCosmetic(true); // line widths are pixels, whatever the scale
    p.setPen(penna);
    p.drawEllipse(QPointF(CENTROCERCHIO.x, CENTROCERCHIO.y), RAGGIOCERCHIO, RAGGIOCERCHIO);
    if (!disegnato) return;
    penna.setColor(QColor(255, 0, 0));
    penna.setWidth(2);
    p.setPen(penna);
    for (size_t i = 0; i < corners.size(); ++i) {
        const Punto& a = corners[i];
        const Punto& b = corners[(i + 1) % corners.size()];
        p.drawLine(QPointF(float(a.x), float(a.y)), QPointF(float(b.x), float(b.y)));
    }
}

} // namespace bolv
