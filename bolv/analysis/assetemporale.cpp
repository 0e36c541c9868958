#include "assetemporale.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

namespace bolv {

namespace {
constexpr int MARGINE = 8; // pixels left free at each end, for the end ticks
constexpr int RAGGIO = 2;  // of a mark: 30 twips
constexpr int TACCA = 6;   // half height of the end ticks
} // namespace

assetemporale::assetemporale(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("Line1"));
    setMinimumHeight(2 * (TACCA + RAGGIO) + 4);
    setToolTip(QStringLiteral("Uscite nel periodo analizzato"));
}

void assetemporale::imposta(int p, int u) {
    prima = p;
    ultima = u;
    update();
}

void assetemporale::segna(std::vector<int> e) {
    estrazioni = std::move(e);
    update();
}

void assetemporale::cancella() {
    estrazioni.clear();
    update();
}

int assetemporale::posizione(int d, int p, int u, int larghezza) {
    const int64_t durata = std::max<int64_t>(1, int64_t{u} - p + 1);
    return static_cast<int>((int64_t{d} - p + 1) * larghezza / durata);
}

QSize assetemporale::sizeHint() const {
    return {460, minimumHeight()};
}

void assetemporale::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    const int y = height() / 2;
    const int sinistra = MARGINE, destra = width() - MARGINE;
    pittore.setPen(QPen(palette().color(QPalette::WindowText), 1));
    pittore.drawLine(sinistra, y, destra, y);
    pittore.drawLine(sinistra, y - TACCA, sinistra, y + TACCA);
    pittore.drawLine(destra, y - TACCA, destra, y + TACCA);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(QColor(255, 0, 0));
    const int larghezza = destra - sinistra;
    for (int d : estrazioni)
        pittore.drawEllipse(QPoint(sinistra + posizione(d, prima, ultima, larghezza), y), RAGGIO,
                            RAGGIO);
}

} // namespace bolv
