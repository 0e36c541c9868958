#include "FlatCtrls.h"

#include "DrawUtils.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Image and its transparent colour turned into one image with clear pixels, ready to draw.
QImage Masked(const QImage& image, const QColor& transparent) {
    QImage masked(image.size(), QImage::Format_ARGB32_Premultiplied);
    masked.fill(Qt::transparent);
    QPainter painter(&masked);
    BlitBitmapTransparent(painter, image, transparent, masked.rect(), image.rect());
    return masked;
}

// The inactive look of a glyph: every pixel other than the transparent colour and the face in
// its grey level.
QImage Grayed(const QImage& image, const QColor& transparent, const QColor& face) {
    QImage grey = image.convertToFormat(QImage::Format_RGB32);
    const QRgb keep1 = transparent.rgb() & 0xFFFFFF, keep2 = face.rgb() & 0xFFFFFF;
    for (int y = 0; y < grey.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = riga[x] & 0xFFFFFF;
            if (p == keep1 || p == keep2) continue;
            const int level = (77 * qRed(p) + 150 * qGreen(p) + 29 * qBlue(p)) / 256;
            riga[x] = qRgb(level, level, level);
        }
    }
    return grey;
}

int StateIndex(TButtonState state) {
    return static_cast<int>(state);
}

bool SideLayout(TButtonLayout layout) {
    return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

// Draws a 1-pixel frame on rect's edges and shrinks rect inside it.
void Frame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    rect.adjust(1, 1, -1, -1);
}

// The caption with each line shortened to fit width.
QString FitLines(const QString& caption, const QFontMetrics& metrics, int width) {
    QStringList lines = caption.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = FitTextWithEllipsis(line, metrics, width);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void TFlatButtonGlyph::setGlyph(const QImage& strip) {
    strip_ = strip;
    images_ = {};
    if (strip_.isNull()) return;
    transparent_ = strip_.pixelColor(0, strip_.height() - 1);
    if (strip_.height() > 0 && strip_.width() % strip_.height() == 0) {
        const int count = strip_.width() / strip_.height();
        numGlyphs_ = count < 6 ? count : 1;
    }
}

void TFlatButtonGlyph::setNumGlyphs(int count) {
    if (count < 1 || count > 4 || count == numGlyphs_) return;
    numGlyphs_ = count;
    images_ = {};
}

QSize TFlatButtonGlyph::glyphSize() const {
    if (strip_.isNull()) return {0, 0};
    return {strip_.width() / numGlyphs_, strip_.height()};
}

QImage TFlatButtonGlyph::stripImage(int index) const {
    const QSize size = glyphSize();
    return strip_.copy(index * size.width(), 0, size.width(), size.height());
}

const QImage& TFlatButtonGlyph::image(TButtonState state, const QPalette& palette) {
    QImage& cached = images_[static_cast<size_t>(StateIndex(state))];
    if (!cached.isNull()) return cached;
    const QColor face = palette.color(QPalette::Button);
    switch (state) {
    case TButtonState::bsDisabled:
        cached = numGlyphs_ > 1
                     ? Masked(stripImage(1), transparent_)
                     : Masked(MakeDisabledBitmap(stripImage(0), transparent_, palette), face);
        break;
    case TButtonState::bsExclusive:
        cached = Masked(stripImage(numGlyphs_ > 3 ? 3 : numGlyphs_ > 2 ? 2 : 0), transparent_);
        break;
    case TButtonState::bsInactive:
        cached = Masked(Grayed(stripImage(0), transparent_, face), transparent_);
        break;
    case TButtonState::bsUp:
    case TButtonState::bsDown:
        cached = Masked(stripImage(0), transparent_);
        break;
    }
    return cached;
}

TGlyphPlacement TFlatButtonGlyph::layout(const QRect& client, const QFontMetrics& metrics,
                                         const QString& caption, TButtonLayout layout, int margin,
                                         int spacing, bool wordWrap) const {
    const bool side = SideLayout(layout);
    const QSize glyph = glyphSize();
    // The room the caption may use.
    int roomW = side ? client.width() - glyph.width() - 2 : client.width() - 2;
    int roomH = side ? client.height() : client.height() - glyph.height() - 2;
    int& along = side ? roomW : roomH;
    if (margin != -1) along -= margin;
    if (spacing != -1) along -= spacing;

    TGlyphPlacement placement;
    placement.text = wordWrap ? caption : FitLines(caption, metrics, roomW);
    QSize text(0, 0);
    if (!placement.text.isEmpty()) {
        const int flags = wordWrap ? int(Qt::TextWordWrap) : 0;
        text = metrics.boundingRect(QRect(0, 0, roomW, roomH), flags, placement.text).size();
        text = text.boundedTo(QSize(qMax(roomW, 0), qMax(roomH, 0)));
    }
    if (placement.text.isEmpty() || glyph.isEmpty()) spacing = 0;

    // Along the layout axis: margin before the glyph, spacing between glyph and caption.
    const int room = side ? client.width() : client.height();
    const int g = side ? glyph.width() : glyph.height();
    const int t = side ? text.width() : text.height();
    if (margin == -1 && spacing == -1)
        margin = spacing = (room - g - t) / 3;
    else if (margin == -1)
        margin = (room - spacing - g - t) / 2;
    else if (spacing == -1)
        spacing = (room - margin - g - t) / 2;
    int glyphAt = margin, textAt = margin + g + spacing;
    if (layout == TButtonLayout::blGlyphRight || layout == TButtonLayout::blGlyphBottom) {
        glyphAt = room - margin - g;
        textAt = glyphAt - spacing - t;
    }
    // Across it both are centred.
    const int across = side ? client.height() : client.width();
    const int glyphAcross = (across - (side ? glyph.height() : glyph.width())) / 2;
    const int textAcross = (across - (side ? text.height() : text.width())) / 2;
    if (side) {
        placement.glyph = client.topLeft() + QPoint(glyphAt, glyphAcross);
        placement.caption = QRect(client.topLeft() + QPoint(textAt, textAcross), text);
    } else {
        placement.glyph = client.topLeft() + QPoint(glyphAcross, glyphAt);
        placement.caption = QRect(client.topLeft() + QPoint(textAcross, textAt), text);
    }
    return placement;
}

void TFlatButtonGlyph::draw(QPainter& painter, const QRect& client, const QString& caption,
                            const Look& look, TButtonState glyphState, bool captionDisabled,
                            const QPalette& palette) {
    const TGlyphPlacement placement = layout(client, painter.fontMetrics(), caption, look.layout,
                                             look.margin, look.spacing, look.wordWrap);
    if (!strip_.isNull()) painter.drawImage(placement.glyph, image(glyphState, palette));
    if (placement.text.isEmpty()) return;
    const int flags =
        int(look.alignment) | Qt::TextShowMnemonic | (look.wordWrap ? int(Qt::TextWordWrap) : 0);
    if (captionDisabled) {
        painter.setPen(Qt::white);
        painter.drawText(placement.caption.translated(1, 1), flags, placement.text);
        painter.setPen(QColor(128, 128, 128));
    } else {
        painter.setPen(look.fontColor);
    }
    painter.drawText(placement.caption, flags, placement.text);
}

// A property setter stores a changed value and repaints.
template <typename T> void TFlatSpeedButton::repaintOnChange(T& field, const T& value) {
    if (field == value) return;
    field = value;
    update();
}

TFlatSpeedButton::TFlatSpeedButton(QWidget* parent) : QWidget(parent) {
    resize(25, 25);
}

void TFlatSpeedButton::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    delete accelerator_;
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (!key.isEmpty()) {
        accelerator_ = new QShortcut(key, this);
        connect(accelerator_, &QShortcut::activated, this, [this] {
            if (isEnabled()) click();
        });
    }
    update();
}

void TFlatSpeedButton::setAlignment(Qt::Alignment alignment) {
    repaintOnChange(alignment_, alignment);
}

void TFlatSpeedButton::setAllowAllUp(bool allow) {
    if (allow == allowAllUp_) return;
    allowAllUp_ = allow;
    updateExclusive();
}

void TFlatSpeedButton::setAllowTimer(bool allow) {
    allowTimer_ = allow;
    if (!allow) delete repeatTimer_;
}

void TFlatSpeedButton::setGroupIndex(int index) {
    if (index == groupIndex_) return;
    groupIndex_ = index;
    updateExclusive();
}

// Only a grouped button can be down; a down button goes up only when the group allows all up.
void TFlatSpeedButton::setDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_ || (down_ && !allowAllUp_)) return;
    down_ = down;
    if (isEnabled()) state_ = down ? TButtonState::bsExclusive : TButtonState::bsUp;
    update();
    if (down) updateExclusive();
}

void TFlatSpeedButton::setFlat(bool flat) {
    repaintOnChange(flat_, flat);
}

void TFlatSpeedButton::setGlyph(const QImage& strip) {
    glyph_.setGlyph(strip);
    update();
}

void TFlatSpeedButton::setNumGlyphs(int count) {
    glyph_.setNumGlyphs(count);
    update();
}

void TFlatSpeedButton::setGrayedInactive(bool grayed) {
    repaintOnChange(grayedInactive_, grayed);
}

void TFlatSpeedButton::setMargin(int margin) {
    if (margin < -1 || margin == margin_) return;
    margin_ = margin;
    update();
}

void TFlatSpeedButton::setSpacing(int spacing) {
    repaintOnChange(spacing_, spacing);
}

void TFlatSpeedButton::setTransparent(bool transparent) {
    repaintOnChange(transparent_, transparent);
}

void TFlatSpeedButton::setWordWrap(bool wrap) {
    repaintOnChange(wordWrap_, wrap);
}

QColor TFlatSpeedButton::fontColor() const {
    return fontColor_.isValid() ? fontColor_ : palette().color(QPalette::ButtonText);
}

void TFlatSpeedButton::setFontColor(const QColor& colour) {
    repaintOnChange(fontColor_, colour);
}

TButtonState TFlatSpeedButton::drawnState() const {
    return flat_ && !mouseInside_ ? TButtonState::bsInactive : state_;
}

void TFlatSpeedButton::click() {
    if (modalResult_ != 0)
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modalResult_);
    emit OnClick();
}

// A button that goes down, or whose group or AllowAllUp changes, tells its siblings: the others
// of its group go up and take over its AllowAllUp.
void TFlatSpeedButton::updateExclusive() {
    if (groupIndex_ == 0 || !parentWidget()) return;
    const auto siblings =
        parentWidget()->findChildren<TFlatSpeedButton*>(Qt::FindDirectChildrenOnly);
    for (TFlatSpeedButton* sibling : siblings)
        if (sibling != this) sibling->groupChanged(*this);
}

void TFlatSpeedButton::groupChanged(const TFlatSpeedButton& sender) {
    if (sender.groupIndex_ != groupIndex_) return;
    if (sender.down_ && down_) {
        down_ = false;
        if (isEnabled()) state_ = TButtonState::bsUp;
        update();
    }
    allowAllUp_ = sender.allowAllUp_;
}

void TFlatSpeedButton::setMouseInside(bool inside) {
    mouseInside_ = inside;
    if (flat_) update();
    if (inside)
        emit OnMouseEnter();
    else
        emit OnMouseLeave();
}

// Mouse-enter events reach the program only while it owns the foreground window.
void TFlatSpeedButton::enterEvent(QEnterEvent*) {
    if (!mouseInside_ && isEnabled() && OwnsForegroundWindow()) setMouseInside(true);
}

void TFlatSpeedButton::leaveEvent(QEvent*) {
    if (mouseInside_ && isEnabled() && !dragging_) setMouseInside(false);
}

void TFlatSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    mouseInside_ = true;
    if (!down_) state_ = TButtonState::bsDown;
    update();
    dragging_ = true;
    if (allowTimer_) {
        if (!repeatTimer_) {
            repeatTimer_ = new QTimer(this);
            connect(repeatTimer_, &QTimer::timeout, this, &TFlatSpeedButton::repeatTick);
        }
        repeatTimer_->start(initPause_);
    }
}

void TFlatSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const TButtonState state = down_ ? TButtonState::bsExclusive
                               : rect().contains(event->position().toPoint()) ? TButtonState::bsDown
                                                                              : TButtonState::bsUp;
    if (state == state_) return;
    state_ = state;
    update();
}

void TFlatSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) finishPress(event->position().toPoint());
    if (repeatTimer_) repeatTimer_->stop();
}

// The second press of a double click is no press; it reaches OnDblClick only while down.
void TFlatSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && down_) emit OnDblClick();
}

void TFlatSpeedButton::finishPress(const QPoint& release) {
    if (!dragging_) return;
    dragging_ = false;
    const bool inside = rect().contains(release);
    if (groupIndex_ == 0) {
        state_ = TButtonState::bsUp;
        mouseInside_ = false;
    } else if (inside) {
        setDown(!down_);
        state_ = down_ ? TButtonState::bsExclusive : TButtonState::bsUp;
    } else if (down_) {
        state_ = TButtonState::bsExclusive;
    }
    update();
    if (inside) click();
    retestMouse();
}

// After a press the pointer is looked at again: a click may have moved, hidden or covered the
// button, or the pointer may have been released elsewhere.
void TFlatSpeedButton::retestMouse() {
    const bool over =
        isEnabled() && OwnsForegroundWindow() && QApplication::widgetAt(QCursor::pos()) == this;
    if (over != mouseInside_) setMouseInside(over);
}

void TFlatSpeedButton::repeatTick() {
    repeatTimer_->setInterval(repeatInterval_);
    if (dragging_ && state_ == TButtonState::bsDown) click();
}

void TFlatSpeedButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        state_ = !isEnabled()                  ? TButtonState::bsDisabled
                 : (down_ && groupIndex_ != 0) ? TButtonState::bsExclusive
                                               : TButtonState::bsUp;
        update();
    }
    QWidget::changeEvent(event);
}

// Frames from outer to inner, each shrinking content by a pixel, and one pixel more inside.
void TFlatSpeedButton::paintFrame(QPainter& painter, QRect& content, TButtonState drawn) const {
    const QPalette& p = palette();
    const QColor frame = p.color(QPalette::Shadow), highlight = p.color(QPalette::Light);
    const QColor shadow = p.color(QPalette::Dark), face = p.color(QPalette::Button);
    const bool pressed = drawn == TButtonState::bsDown || drawn == TButtonState::bsExclusive ||
                         state_ == TButtonState::bsExclusive;
    const bool newLook = style_ != TButtonStyle::bsWin31;
    if (pressed) {
        if (flat_ || newLook)
            Frame3D(painter, content, frame, highlight);
        else
            Frame3D(painter, content, frame, frame);
        // Face on the bottom-right: only the shadow line along the left and top edges shows.
        if (!flat_) Frame3D(painter, content, shadow, face);
    } else if (newLook) {
        Frame3D(painter, content, highlight, flat_ ? shadow : frame);
        if (!flat_) Frame3D(painter, content, face, shadow);
    } else {
        Frame3D(painter, content, flat_ ? highlight : frame, frame);
        if (!flat_) Frame3D(painter, content, highlight, shadow);
    }
    content.adjust(1, 1, -1, -1);
}

void TFlatSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const TButtonState drawn = drawnState();
    // A transparent button leaves the parent's background, which Qt paints beneath it.
    if (!transparent_) painter.fillRect(rect(), palette().color(QPalette::Button));
    QRect content = rect();
    if (drawn != TButtonState::bsInactive || state_ == TButtonState::bsExclusive)
        paintFrame(painter, content, drawn);
    else
        content.adjust(2, 2, -2, -2);
    if (state_ == TButtonState::bsExclusive && !flat_)
        painter.fillRect(content, QBrush(MakeCheckerPattern(palette().color(QPalette::Button),
                                                            palette().color(QPalette::Light))));
    if (drawn == TButtonState::bsDown || drawn == TButtonState::bsExclusive)
        content.translate(1, 1);
    const TButtonState glyphState = grayedInactive_ && isEnabled() ? drawn : state_;
    const TFlatButtonGlyph::Look look{layout_,    margin_,   spacing_,
                                      alignment_, wordWrap_, fontColor()};
    glyph_.draw(painter, content, caption_, look, glyphState, state_ == TButtonState::bsDisabled,
                palette());
}
