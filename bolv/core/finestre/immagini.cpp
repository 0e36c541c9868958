#include "immagini.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace bolv {

namespace {

// Grey at a third of its opacity.
QPixmap spenta(const QPixmap& immagine) {
    QImage grigia = immagine.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grigia.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(grigia.scanLine(y));
        for (int x = 0; x < grigia.width(); ++x) {
            const int g = 96 + qGray(riga[x]) / 2;
            riga[x] = qRgba(g, g, g, qAlpha(riga[x]) / 3);
        }
    }
    return QPixmap::fromImage(grigia);
}

QFont carattere(int pixel, bool grassetto) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    return f;
}

// A lottery ball: a shaded sphere with a white disc bearing the text.
void disegnapallina(QPainter& p, QPointF centro, qreal raggio, QColor colore,
                    const QString& testo) {
    QRadialGradient sfumatura(centro - QPointF(raggio / 3, raggio / 3), raggio * 1.3);
    sfumatura.setColorAt(0, colore.lighter(170));
    sfumatura.setColorAt(1, colore.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(sfumatura);
    p.drawEllipse(centro, raggio, raggio);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(centro, raggio * 0.55, raggio * 0.55);
    p.setPen(QColor(40, 40, 40));
    p.setFont(carattere(qMax(6, int(raggio * 0.6)), true));
    QRectF disco(centro.x() - raggio, centro.y() - raggio, 2 * raggio, 2 * raggio);
    p.drawText(disco, Qt::AlignCenter, testo);
}

QPixmap fotogramma(int indice) {
    const int lato = 32;
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    QPointF centro(lato / 2.0, lato / 2.0);
    QRadialGradient sfumatura(centro - QPointF(5, 5), 20);
    sfumatura.setColorAt(0, QColor(255, 230, 120));
    sfumatura.setColorAt(1, QColor(200, 120, 0));
    p.setPen(QPen(QColor(120, 60, 0), 1));
    p.setBrush(sfumatura);
    p.drawEllipse(centro, 15, 15);
    // A band around the ball turns with the frame, so the icon seems to spin.
    p.save();
    p.translate(centro);
    p.rotate(indice * 360.0 / NUMFOTOGRAMMI);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 90, 170));
    p.drawEllipse(QPointF(0, -9), 6, 4);
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(QPointF(0, 9), 6, 4);
    p.restore();
    p.setPen(Qt::white);
    p.setFont(carattere(13, true));
    p.drawText(immagine.rect(), Qt::AlignCenter, QStringLiteral("B"));
    return immagine;
}

} // namespace

QIcon iconapulsante(const QString& nome, const char* tema) {
    const QIcon propria(QStringLiteral(":/icone/%1.svg").arg(nome));
    const QIcon sorgente = tema ? QIcon::fromTheme(QString::fromLatin1(tema), propria) : propria;
    QIcon icona;
    for (int lato : {16, 24, 32, 48}) {
        const QPixmap normale = sorgente.pixmap(QSize(lato, lato));
        icona.addPixmap(normale, QIcon::Normal);
        icona.addPixmap(spenta(normale), QIcon::Disabled);
    }
    return icona;
}

const QVector<QIcon>& fotogrammianimazione() {
    static const QVector<QIcon> fotogrammi = [] {
        QVector<QIcon> v;
        for (int i = 0; i < NUMFOTOGRAMMI; ++i)
            v.append(QIcon(fotogramma(i)));
        return v;
    }();
    return fotogrammi;
}

QPixmap logo() {
    QPixmap immagine(300, 150);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(0, 0, 0, immagine.height());
    cielo.setColorAt(0, QColor(0, 60, 130));
    cielo.setColorAt(1, QColor(0, 140, 200));
    p.fillRect(immagine.rect(), cielo);
    const QColor colori[] = {QColor(210, 30, 30), QColor(230, 170, 0), QColor(20, 150, 60),
                             QColor(120, 40, 170), QColor(230, 90, 0)};
    const char* numeri[] = {"7", "21", "48", "63", "90"};
    for (int i = 0; i < 5; ++i)
        disegnapallina(p, QPointF(40 + i * 55, 112), 22, colori[i], QString::fromLatin1(numeri[i]));
    p.setPen(Qt::white);
    p.setFont(carattere(52, true));
    p.drawText(QRect(0, 4, immagine.width(), 80), Qt::AlignCenter, QStringLiteral("Bolv"));
    return immagine;
}

QPixmap sfondopredefinito() {
    // Faint numbers 1..90 in the pattern of a betting slip over a soft gradient.
    QPixmap immagine(640, 480);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sfumatura(0, 0, immagine.width(), immagine.height());
    sfumatura.setColorAt(0, QColor(0, 70, 120));
    sfumatura.setColorAt(1, QColor(0, 120, 110));
    p.fillRect(immagine.rect(), sfumatura);
    p.setFont(carattere(22, true));
    p.setPen(QColor(255, 255, 255, 40));
    for (int n = 1; n <= 90; ++n) {
        int colonna = (n - 1) % 10, riga = (n - 1) / 10;
        QRect casella(20 + colonna * 60, 20 + riga * 50, 60, 50);
        p.drawText(casella, Qt::AlignCenter, QString::number(n));
    }
    p.setFont(carattere(96, true));
    p.setPen(QColor(255, 255, 255, 70));
    p.drawText(immagine.rect(), Qt::AlignCenter, QStringLiteral("Bolv"));
    return immagine;
}

} // namespace bolv
