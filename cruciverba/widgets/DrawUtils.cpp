#include "DrawUtils.h"

#include <QApplication>

namespace {

// The shape of image: opaque where it does not hold the transparent colour.
QImage ShapeOf(const QImage& image, const QColor& transparent, const QColor& colour) {
    QImage shape(image.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    const QRgb key = transparent.rgb();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((riga[x] & 0xFFFFFF) != (key & 0xFFFFFF)) shape.setPixelColor(x, y, colour);
    }
    return shape;
}

} // namespace

void BlitBitmapTransparent(QPainter& painter, const QImage& image, const QColor& transparent,
                           const QRect& dest, const QRect& source) {
    if (image.isNull()) return;
    const QRect from = source.width() < 1 || source.height() < 1 ? image.rect() : source;
    const QRect to =
        dest.width() < 1 || dest.height() < 1 ? QRect(dest.topLeft(), image.size()) : dest;
    const QColor key = image.depth() == 1 ? QColor(Qt::white) : transparent;
    QImage part = image.copy(from).convertToFormat(QImage::Format_ARGB32);
    if (key.isValid()) {
        const QRgb k = key.rgb() & 0xFFFFFF;
        for (int y = 0; y < part.height(); ++y) {
            auto* riga = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                if ((riga[x] & 0xFFFFFF) == k) riga[x] = 0;
        }
    }
    painter.drawImage(to, part);
}

QImage MakeEmbossedBitmap(const QImage& image, const QColor& transparent, const QColor& face,
                          bool drawHighlight, const QColor& shadow, const QColor& highlight) {
    QImage result(image.size(), QImage::Format_RGB32);
    result.fill(face);
    QPainter painter(&result);
    if (drawHighlight) painter.drawImage(1, 1, ShapeOf(image, transparent, highlight));
    painter.drawImage(0, 0, ShapeOf(image, transparent, shadow));
    return result;
}

QImage MakeDisabledBitmap(const QImage& image, const QColor& transparent, const QPalette& palette) {
    return MakeEmbossedBitmap(image, transparent, palette.color(QPalette::Button), true,
                              palette.color(QPalette::Dark), palette.color(QPalette::Light));
}

QImage MakeCheckerPattern(const QColor& first, const QColor& second) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixelColor(x, y, (x % 2 == y % 2) ? second : first);
    return pattern;
}

bool OwnsForegroundWindow() {
    return QApplication::activeWindow() != nullptr;
}

QString FitTextWithEllipsis(const QString& text, const QFontMetrics& metrics, int width) {
    QString fitted = text;
    for (qsizetype n = text.size(); n > 0 && metrics.horizontalAdvance(fitted) > width;)
        fitted = text.left(--n) + QStringLiteral("...");
    return fitted;
}
