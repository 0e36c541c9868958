#include "ImmaginiDialoghi.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace cruciverba {

namespace {

const QColor Fucsia(255, 0, 255);

QImage tela(int larghezza, int altezza, const QColor& fondo) {
    QImage immagine(larghezza, altezza, QImage::Format_RGB32);
    immagine.fill(fondo);
    return immagine;
}

QPolygonF stella(QPointF centro, double raggioEsterno, double raggioInterno) {
    QPolygonF punte;
    for (int i = 0; i < 10; ++i) {
        const double angolo = -M_PI / 2 + i * M_PI / 5;
        const double raggio = i % 2 == 0 ? raggioEsterno : raggioInterno;
        punte << centro + QPointF(std::cos(angolo) * raggio, std::sin(angolo) * raggio);
    }
    return punte;
}

} // namespace

QImage ImmagineProgramma() {
    constexpr int lato = 128, caselle = 6, casella = 18, margine = (lato - caselle * casella) / 2;
    QImage immagine = tela(lato, lato, QColor(0, 64, 128));
    QPainter p(&immagine);
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(10);
    carattere.setBold(true);
    p.setFont(carattere);
    const int numeri[caselle][caselle] = {{7, 0, 23, 41, 0, 90}, {0, 12, 0, 5, 66, 0},
                                          {35, 0, 8, 0, 17, 52}, {0, 71, 0, 29, 0, 3},
                                          {44, 0, 60, 0, 88, 0}, {0, 19, 0, 76, 0, 11}};
    for (int r = 0; r < caselle; ++r)
        for (int c = 0; c < caselle; ++c) {
            const QRect quadro(margine + c * casella, margine + r * casella, casella, casella);
            const int n = numeri[r][c];
            p.fillRect(quadro, n != 0 ? Qt::white : QColor(255, 200, 0));
            p.setPen(Qt::black);
            p.drawRect(quadro.adjusted(0, 0, -1, -1));
            if (n == 0) continue;
            p.setPen(QColor(0, 0, 192));
            p.drawText(quadro, Qt::AlignCenter, QString::number(n));
        }
    return immagine;
}

QImage ImmagineCrediti() {
    constexpr int lato = 128;
    QImage immagine = tela(lato, lato, QColor(0, 0, 96));
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 220, 0), 2));
    p.setBrush(QColor(255, 190, 0));
    p.drawPolygon(stella(QPointF(lato / 2.0, 54), 40, 16));
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(13);
    carattere.setBold(true);
    p.setFont(carattere);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 98, lato, 24), Qt::AlignCenter, QStringLiteral("GRAZIE !"));
    return immagine;
}

QImage GlifoCrediti() {
    QImage immagine = tela(24, 24, Fucsia);
    QPainter p(&immagine);
    p.setPen(QColor(128, 64, 0));
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(stella(QPointF(12, 12.5), 11, 4.5));
    return immagine;
}

QImage StrisciaPallina() {
    constexpr int lato = 48;
    QImage striscia = tela(lato * FotogrammiPallina, lato, Fucsia);
    QPainter p(&striscia);
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPixelSize(16);
    carattere.setBold(true);
    p.setFont(carattere);
    for (int f = 0; f < FotogrammiPallina; ++f) {
        const bool accesa = f == 1;
        const QRect palla(f * lato + 3, 3, lato - 7, lato - 7);
        p.setPen(QPen(QColor(96, 0, 0), 2));
        p.setBrush(accesa ? QColor(255, 64, 32) : QColor(176, 32, 16));
        p.drawEllipse(palla);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(palla.adjusted(9, 9, -9, -9));
        p.setPen(accesa ? QColor(192, 0, 0) : Qt::black);
        p.drawText(palla, Qt::AlignCenter, QStringLiteral("90"));
        if (!accesa) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 200));
        p.drawEllipse(QRect(f * lato + 11, 8, 7, 5));
    }
    return striscia;
}

// A slip of nine boxes; frame f has the first f + 1 of the boxes of its diagonal pattern marked.
QImage StrisciaSchedina() {
    constexpr int lato = 48;
    QImage striscia = tela(lato * FotogrammiSchedina, lato, ColoreTrasparenteSchedina);
    QPainter p(&striscia);
    const QPoint segni[FotogrammiSchedina] = {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    for (int f = 0; f < FotogrammiSchedina; ++f) {
        const int x = f * lato;
        p.setPen(QColor(128, 0, 0));
        p.setBrush(QColor(255, 248, 220));
        p.drawRect(x + 6, 4, 35, 39);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                const QRect casella(x + 10 + c * 10, 9 + r * 10, 8, 8);
                p.setPen(QColor(200, 0, 0));
                p.setBrush(Qt::NoBrush);
                p.drawRect(casella);
                for (int s = 0; s <= f; ++s) {
                    if (segni[s] != QPoint(c, r)) continue;
                    p.setPen(QPen(Qt::black, 2));
                    p.drawLine(casella.topLeft() + QPoint(1, 1),
                               casella.bottomRight() - QPoint(1, 1));
                    p.drawLine(casella.topRight() + QPoint(-1, 1),
                               casella.bottomLeft() + QPoint(1, -1));
                }
            }
        p.fillRect(x + 10, 39, 28, 2, QColor(200, 0, 0));
    }
    return striscia;
}

QIcon GlifoRicevitorie() {
    constexpr int lato = 32;
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globo(2, 2, lato - 4, lato - 4);
    p.setPen(QPen(QColor(0, 64, 128), 1.5));
    p.setBrush(QColor(64, 160, 255));
    p.drawEllipse(globo);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globo.adjusted(8, 0, -8, 0));
    p.drawLine(QPointF(lato / 2.0, 2), QPointF(lato / 2.0, lato - 2));
    p.drawLine(QPointF(2, lato / 2.0), QPointF(lato - 2, lato / 2.0));
    p.drawLine(QPointF(5, 9), QPointF(lato - 5, 9));
    p.drawLine(QPointF(5, lato - 9), QPointF(lato - 5, lato - 9));
    return QIcon(immagine);
}

} // namespace cruciverba
