#include "CreditsPanel.h"

#include "DrawUtils.h"
#include "TickTimer.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// One bevel of the given width, shrinking the rectangle by it: raised is light at the top and
// left, lowered the other way round.
void drawBevel(QPainter& painter, QRect& area, TPanelBevel bevel, int width,
               const QPalette& colours) {
    if (bevel == TPanelBevel::bvNone) return;
    const QColor light = colours.color(QPalette::Light);
    const QColor dark = colours.color(QPalette::Dark);
    const QColor topLeft = bevel == TPanelBevel::bvRaised ? light : dark;
    const QColor bottomRight = bevel == TPanelBevel::bvRaised ? dark : light;
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(area.topLeft(), area.topRight());
        painter.drawLine(area.topLeft(), area.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomRight());
        area.adjust(1, 1, -1, -1);
    }
}

int bevelSpace(TPanelBevel bevel, int width) {
    return bevel == TPanelBevel::bvNone ? 0 : width;
}

} // namespace

TBevelPanel::TBevelPanel(QWidget* parent) : QWidget(parent) {}

void TBevelPanel::setBevelInner(TPanelBevel bevel) {
    bevelInner_ = bevel;
    update();
    framingChanged();
}

void TBevelPanel::setBevelOuter(TPanelBevel bevel) {
    bevelOuter_ = bevel;
    update();
    framingChanged();
}

void TBevelPanel::setBevelWidth(int width) {
    bevelWidth_ = std::max(1, width);
    update();
    framingChanged();
}

void TBevelPanel::setBorderWidth(int width) {
    borderWidth_ = std::max(0, width);
    update();
    framingChanged();
}

QColor TBevelPanel::color() const {
    return palette().color(QPalette::Window);
}

void TBevelPanel::setColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    update();
}

QRect TBevelPanel::faceRect() const {
    const int inset =
        bevelSpace(bevelOuter_, bevelWidth_) + borderWidth_ + bevelSpace(bevelInner_, bevelWidth_);
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color());
    QRect area = rect();
    drawBevel(painter, area, bevelOuter_, bevelWidth_, palette());
    area.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    drawBevel(painter, area, bevelInner_, bevelWidth_, palette());
}

TCreditsPanel::TCreditsPanel(QWidget* parent) : TBevelPanel(parent), timer_(new TTickTimer(this)) {
    setBevelOuter(TPanelBevel::bvLowered);
    timer_->setEnabled(false);
    timer_->setInterval(30);
    timer_->setOnTimer([this] { scrollStep(); });
}

TCreditsPanel::~TCreditsPanel() {
    destroying_ = true;
    setActive(false);
    delete timer_; // before the members its ticks use
}

void TCreditsPanel::setActive(bool value) {
    if (value == active_) return;
    active_ = value;
    scrollPosition_ = 0;
    if (active_)
        start();
    else
        stop();
    if (!destroying_) {
        if (active_)
            hideChildren();
        else
            showChildren();
    }
    update();
}

void TCreditsPanel::start() {
    try {
        prepare();
        timer_->setEnabled(true);
        emit OnStartPlay();
    } catch (...) {
        active_ = false;
        timer_->setEnabled(false);
        throw;
    }
}

void TCreditsPanel::stop() {
    timer_->setEnabled(false);
    offscreen_ = QImage();
    emit OnStopPlay();
}

void TCreditsPanel::hideChildren() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(this)) hiddenChildren_.append(child);
        child->hide();
    }
}

void TCreditsPanel::showChildren() {
    for (const QPointer<QWidget>& child : hiddenChildren_) {
        if (!child) continue;
        child->show();
        child->update();
    }
    hiddenChildren_.clear();
}

void TCreditsPanel::setAlignment(Qt::Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    if (active_) update();
}

void TCreditsPanel::setGlyph(const QImage& glyph) {
    glyph_ = glyph;
    if (!active_) return;
    prepare();
    update();
}

void TCreditsPanel::setGlyphLayout(TGlyphLayout layout) {
    if (layout == glyphLayout_) return;
    glyphLayout_ = layout;
    if (!active_) return;
    prepare();
    update();
}

std::uint32_t TCreditsPanel::interval() const {
    return timer_->interval();
}

void TCreditsPanel::setInterval(std::uint32_t milliseconds) {
    timer_->setInterval(milliseconds);
}

void TCreditsPanel::setLines(const QStringList& lines) {
    lines_ = lines;
    if (!active_) return;
    scrollPosition_ = 0;
    update();
}

void TCreditsPanel::setTextStyle(TPanelBevel style) {
    textStyle_ = style;
    if (active_) prepare();
}

void TCreditsPanel::changeEvent(QEvent* event) {
    TBevelPanel::changeEvent(event);
    if (active_ && (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange))
        prepare();
}

void TCreditsPanel::resizeEvent(QResizeEvent* event) {
    TBevelPanel::resizeEvent(event);
    if (active_) prepare();
}

void TCreditsPanel::framingChanged() {
    if (active_) prepare();
}

void TCreditsPanel::prepare() {
    const QFontMetrics metrics(font());
    const int height = metrics.height() + metrics.leading() + (textStyle_ != TPanelBevel::bvNone);
    lineHeight_ = static_cast<std::uint8_t>(std::clamp(height, 1, 255));
    layOut();
    offscreen_ = QImage(textRect_.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    offscreen_.fill(color());
    // A new font, colour or size redraws the text at once rather than at the next step.
    drawLines();
}

// The text rectangle inside the bevels, less the glyph's place; all zeros when nothing is left.
void TCreditsPanel::layOut() {
    const QRect face = faceRect().adjusted(3, 3, -3, -3);
    int left = face.left(), top = face.top();
    int right = face.right() + 1, bottom = face.bottom() + 1;
    const int glyphWidth = glyph_.width(), glyphHeight = glyph_.height();
    const int centreX = std::max(left, (left + right - glyphWidth) / 2);
    const int centreY = std::max(top, (top + bottom - glyphHeight) / 2);
    switch (glyphLayout_) {
    case TGlyphLayout::glGlyphLeft:
        glyphPosition_ = {left + 3, centreY};
        left = glyphPosition_.x() + glyphWidth;
        break;
    case TGlyphLayout::glGlyphRight:
        glyphPosition_ = {std::max(left, right - glyphWidth - 3), centreY};
        right = glyphPosition_.x();
        break;
    case TGlyphLayout::glGlyphTop:
        glyphPosition_ = {centreX, top + 2};
        top = glyphPosition_.y() + glyphHeight;
        break;
    case TGlyphLayout::glGlyphBottom:
        glyphPosition_ = {centreX, std::max(top, bottom - glyphHeight - 2)};
        bottom = glyphPosition_.y();
        break;
    }
    textRect_ = left < right && top < bottom
                    ? QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))
                    : QRect(0, 0, 0, 0);
}

void TCreditsPanel::scrollStep() {
    if (!active_) return;
    if (scrollPosition_ < (lines_.size() - 1) * lineHeight_) {
        ++scrollPosition_;
    } else if (cycled_) {
        scrollPosition_ = 0;
    } else {
        setActive(false);
        return;
    }
    drawLines();
    update(textRect_);
}

void TCreditsPanel::drawLines() {
    if (lines_.isEmpty() || offscreen_.isNull()) return;
    offscreen_.fill(color());
    QPainter painter(&offscreen_);
    painter.setFont(font());
    int index = scrollPosition_ / lineHeight_;
    for (int top = -(scrollPosition_ % lineHeight_); top < offscreen_.height();
         top += lineHeight_, ++index) {
        if (index >= lines_.size()) break; // past the last line there is only blank
        drawLine(painter, lines_[index], top);
    }
}

void TCreditsPanel::drawLine(QPainter& painter, const QString& line, int top) {
    const int flags = int(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                      Qt::TextSingleLine | Qt::TextExpandTabs;
    const QRect place(0, top, offscreen_.width(), lineHeight_);
    if (textStyle_ != TPanelBevel::bvNone) {
        const int shift = textStyle_ == TPanelBevel::bvLowered ? 1 : -1;
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(place.translated(shift, shift), flags, line);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(place, flags, line);
}

void TCreditsPanel::paintEvent(QPaintEvent* event) {
    TBevelPanel::paintEvent(event);
    if (!active_) return;
    QPainter painter(this);
    // The glyph's own transparent colour is that of its bottom-left pixel.
    if (!glyph_.isNull())
        BlitBitmapTransparent(painter, glyph_, glyph_.pixelColor(0, glyph_.height() - 1),
                              QRect(glyphPosition_, glyph_.size()), QRect());
    // The text is the last scroll step's picture; a repaint between steps shows it unchanged.
    if (!offscreen_.isNull() && !textRect_.isEmpty()) painter.drawImage(textRect_, offscreen_);
}
