#include "AnimImage.h"

#include "DrawUtils.h"

#include <QPainter>

#include <algorithm>

TPaintImageControl::TPaintImageControl(QWidget* parent) : QWidget(parent) {
    resize(105, 105);
}

void TPaintImageControl::paintEvent(QPaintEvent*) {
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        paintPicture(painter);
    }
    QPainter(this).drawImage(0, 0, picture);
}

TAnimImage::TAnimImage(QWidget* parent) : TPaintImageControl(parent) {
    resize(32, 32);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &TAnimImage::frameStep);
}

TAnimImage::~TAnimImage() {
    blockSignals(true);
    setActive(false);
}

void TAnimImage::setActive(bool value) {
    if (value) {
        timer_.start();
        active_ = timer_.isActive();
        emit OnStart();
        return;
    }
    timer_.stop();
    active_ = false;
    emit OnFrameChanged();
    emit OnStop();
    update();
}

void TAnimImage::setGlyph(const QImage& glyph) {
    glyph_ = glyph;
    framesFromGlyph();
}

void TAnimImage::setGlyphNum(int frame) {
    if (frame == glyphNum_ || frame < 0 || frame >= numGlyphs_) return;
    glyphNum_ = frame;
    frameChanged();
}

void TAnimImage::setInactiveGlyph(int frame) {
    frame = std::max(frame, -1);
    if (frame >= numGlyphs_ || frame == inactiveGlyph_) return;
    inactiveGlyph_ = frame;
    frameChanged();
}

void TAnimImage::setNumGlyphs(int count) {
    numGlyphs_ = count;
    if (inactiveGlyph_ >= count) {
        inactiveGlyph_ = -1;
        glyphNum_ = 0;
    }
    // A current frame beyond the new count would paint outside the strip.
    if (glyphNum_ >= count) glyphNum_ = 0;
    emit OnFrameChanged();
    computeFrameSize();
    applyAutoSize();
    update();
}

void TAnimImage::setTransparentColor(const QColor& colour) {
    transparentColor_ = colour;
    update();
}

void TAnimImage::setOrientation(TGlyphOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    framesFromGlyph();
}

void TAnimImage::setAutoSize(bool value) {
    autoSize_ = value;
    applyAutoSize();
    update();
}

void TAnimImage::setStretch(bool value) {
    stretch_ = value;
    update();
}

void TAnimImage::setCenter(bool value) {
    center_ = value;
    update();
}

void TAnimImage::setOpaque(bool value) {
    opaque_ = value;
    update();
}

QColor TAnimImage::color() const {
    return palette().color(QPalette::Window);
}

int TAnimImage::shownFrame() const {
    if (!active_ && inactiveGlyph_ >= 0 && inactiveGlyph_ < numGlyphs_) return inactiveGlyph_;
    return glyphNum_;
}

// A strip whose length is a whole multiple of its breadth holds square frames; any other strip
// is taken as one picture until NumGlyphs says otherwise.
void TAnimImage::framesFromGlyph() {
    numGlyphs_ = 1;
    glyphNum_ = 0;
    const bool horizontal = orientation_ == TGlyphOrientation::goHorizontal;
    const int length = horizontal ? glyph_.width() : glyph_.height();
    const int breadth = horizontal ? glyph_.height() : glyph_.width();
    if (breadth > 0 && length % breadth == 0) numGlyphs_ = length / breadth;
    computeFrameSize();
    if (!glyph_.isNull()) transparentColor_ = glyph_.pixelColor(0, glyph_.height() - 1);
    applyAutoSize();
    update();
}

void TAnimImage::computeFrameSize() {
    const int count = std::max(numGlyphs_, 1);
    const bool horizontal = orientation_ == TGlyphOrientation::goHorizontal;
    frameWidth_ = horizontal ? glyph_.width() / count : glyph_.width();
    frameHeight_ = horizontal ? glyph_.height() : glyph_.height() / count;
}

void TAnimImage::applyAutoSize() {
    if (autoSize_ && frameWidth_ > 0 && frameHeight_ > 0) resize(frameWidth_, frameHeight_);
}

void TAnimImage::frameStep() {
    if (!isVisible() || numGlyphs_ <= 1) return;
    glyphNum_ = (glyphNum_ + 1) % numGlyphs_;
    if (glyphNum_ == inactiveGlyph_) glyphNum_ = (glyphNum_ + 1) % numGlyphs_;
    frameChanged();
}

void TAnimImage::frameChanged() {
    emit OnFrameChanged();
    update();
}

void TAnimImage::paintPicture(QPainter& painter) {
    // Not opaque: the parent's background, painted beneath by Qt, shows through.
    if (opaque_ || !parentWidget()) painter.fillRect(rect(), color());
    if (glyph_.isNull() || frameWidth_ <= 0 || frameHeight_ <= 0) return;
    const int frame = shownFrame();
    const QRect source = orientation_ == TGlyphOrientation::goHorizontal
                             ? QRect(frame * frameWidth_, 0, frameWidth_, frameHeight_)
                             : QRect(0, frame * frameHeight_, frameWidth_, frameHeight_);
    QRect target(QPoint(0, 0), source.size());
    if (stretch_)
        target = rect();
    else if (center_)
        target.moveTopLeft({(width() - frameWidth_) / 2, (height() - frameHeight_) / 2});
    BlitBitmapTransparent(painter, glyph_, transparentColor_, target, source);
}

void TAnimImage::mouseDoubleClickEvent(QMouseEvent* event) {
    TPaintImageControl::mouseDoubleClickEvent(event);
    emit OnDblClick();
}
