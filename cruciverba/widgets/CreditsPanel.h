#pragma once

// TCreditsPanel scrolls a list of text lines upwards, one pixel per tick of its threaded timer,
// inside the bevels of a panel, with an optional picture beside the text. While it plays it
// hides the panel's child controls and shows them again when it stops.
//
// TBevelPanel is the plain bevelled panel it is built on: an outer and an inner bevel, each
// raised, lowered or none, a border between them, and a face colour.

#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <cstdint>

class TTickTimer;

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TBevelPanel : public QWidget {
    Q_OBJECT

  public:
    explicit TBevelPanel(QWidget* parent = nullptr);

    TPanelBevel bevelInner() const { return bevelInner_; }
    void setBevelInner(TPanelBevel bevel);
    TPanelBevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TPanelBevel bevel);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    QColor color() const;
    void setColor(const QColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The client area less both bevels and the border.
    QRect faceRect() const;
    // A change of the bevels or the border, after the repaint it asks for.
    virtual void framingChanged() {}

  private:
    TPanelBevel bevelInner_ = TPanelBevel::bvNone;
    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
};

enum class TGlyphLayout { glGlyphLeft, glGlyphRight, glGlyphTop, glGlyphBottom };

class TCreditsPanel : public TBevelPanel {
    Q_OBJECT

  public:
    explicit TCreditsPanel(QWidget* parent = nullptr);
    ~TCreditsPanel() override;

    bool isActive() const { return active_; }
    void setActive(bool value);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    bool cycled() const { return cycled_; }
    void setCycled(bool value) { cycled_ = value; }
    const QImage& glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph);
    TGlyphLayout glyphLayout() const { return glyphLayout_; }
    void setGlyphLayout(TGlyphLayout layout);
    std::uint32_t interval() const;
    void setInterval(std::uint32_t milliseconds);
    const QStringList& lines() const { return lines_; }
    void setLines(const QStringList& lines);
    TPanelBevel textStyle() const { return textStyle_; }
    void setTextStyle(TPanelBevel style);

    // One tick: moves the text up by a pixel, or wraps or stops at the end.
    void scrollStep();
    int scrollPosition() const { return scrollPosition_; }
    int lineHeight() const { return lineHeight_; }
    QRect textRect() const { return textRect_; }
    QPoint glyphPosition() const { return glyphPosition_; }

  signals:
    void OnStartPlay();
    void OnStopPlay();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void framingChanged() override;

  private:
    void prepare();
    void layOut();
    void start();
    void stop();
    void hideChildren();
    void showChildren();
    void drawLines();
    void drawLine(QPainter& painter, const QString& line, int top);

    int scrollPosition_ = 0;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    bool active_ = false;
    std::uint8_t lineHeight_ = 0;
    TTickTimer* timer_;
    QRect textRect_;
    QPoint glyphPosition_;
    QImage offscreen_; // null while inactive
    QList<QPointer<QWidget>> hiddenChildren_;
    QStringList lines_;
    QImage glyph_;
    TGlyphLayout glyphLayout_ = TGlyphLayout::glGlyphLeft;
    TPanelBevel textStyle_ = TPanelBevel::bvNone;
    bool cycled_ = false;
    bool destroying_ = false;
};
