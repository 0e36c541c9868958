#pragma once

// TAnimImage shows one frame at a time of a picture strip (frames side by side, or stacked) and,
// while active, steps to the next frame on every tick of its timer. TPaintImageControl is its
// base: a light image control that paints each time into an off-screen picture and shows that
// in one step, so a frame never appears half drawn.

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

class TPaintImageControl : public QWidget {
    Q_OBJECT

  public:
    explicit TPaintImageControl(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the control's picture into the off-screen picture, which starts fully transparent.
    virtual void paintPicture(QPainter& painter) = 0;
};

enum class TGlyphOrientation { goHorizontal, goVertical };

class TAnimImage : public TPaintImageControl {
    Q_OBJECT

  public:
    explicit TAnimImage(QWidget* parent = nullptr);
    ~TAnimImage() override;

    bool isActive() const { return active_; }
    void setActive(bool value);
    const QImage& glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph);
    int glyphNum() const { return glyphNum_; }
    void setGlyphNum(int frame);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);
    int inactiveGlyph() const { return inactiveGlyph_; }
    void setInactiveGlyph(int frame);
    QColor transparentColor() const { return transparentColor_; }
    void setTransparentColor(const QColor& colour);
    TGlyphOrientation orientation() const { return orientation_; }
    void setOrientation(TGlyphOrientation orientation);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool value);
    bool stretch() const { return stretch_; }
    void setStretch(bool value);
    bool center() const { return center_; }
    void setCenter(bool value);
    bool opaque() const { return opaque_; }
    void setOpaque(bool value);
    int interval() const { return timer_.interval(); }
    void setInterval(int milliseconds) { timer_.setInterval(milliseconds); }
    QSize frameSize() const { return {frameWidth_, frameHeight_}; }
    // The frame painted now: the current one while active, else the inactive one when set.
    int shownFrame() const;
    // The face colour, from the palette, shown behind an opaque image.
    QColor color() const;

  signals:
    void OnFrameChanged();
    void OnStart();
    void OnStop();
    void OnDblClick();

  protected:
    void paintPicture(QPainter& painter) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void framesFromGlyph();
    void computeFrameSize();
    void applyAutoSize();
    void frameStep();
    void frameChanged();

    QTimer timer_;
    QImage glyph_;
    int glyphNum_ = 0;
    int numGlyphs_ = 1;
    int inactiveGlyph_ = -1;
    QColor transparentColor_; // invalid: none
    TGlyphOrientation orientation_ = TGlyphOrientation::goHorizontal;
    bool autoSize_ = true;
    bool stretch_ = true;
    bool center_ = false;
    bool opaque_ = false;
    bool active_ = false;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};
