#pragma once

// TFlatSpeedButton: a push button drawn by the program itself, with an optional glyph strip and
// a caption, a flat look that shows its frame only while the mouse is over it, mouse-enter and
// mouse-leave signals, optional auto-repeat while held and optional grouping (one button of a
// group latched down). TFlatButtonGlyph lays out and draws its glyph and caption.

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QShortcut>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive, bsInactive };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// bsAutoDetect and bsNew draw the newer frames; bsWin31 the older, heavier ones.
enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };

// Where the glyph's top-left corner and the caption's rectangle go inside a content rectangle.
struct TGlyphPlacement {
    QPoint glyph;
    QRect caption;
    QString text; // the caption as drawn (shortened with "..." when it does not fit)
};

class TFlatButtonGlyph {
  public:
    // Loads the strip; when its width is a whole multiple of its height it holds width div
    // height images (one when that is 6 or more). The transparent colour becomes the strip's
    // bottom-left pixel.
    void setGlyph(const QImage& strip);
    const QImage& glyph() const { return strip_; }
    void setNumGlyphs(int count);
    int numGlyphs() const { return numGlyphs_; }
    QColor transparentColor() const { return transparent_; }
    QSize glyphSize() const;

    TGlyphPlacement layout(const QRect& client, const QFontMetrics& metrics, const QString& caption,
                           TButtonLayout layout, int margin, int spacing, bool wordWrap) const;

    struct Look {
        TButtonLayout layout;
        int margin;
        int spacing;
        Qt::Alignment alignment;
        bool wordWrap;
        QColor fontColor;
    };
    // Draws glyph and caption in client; the glyph image follows glyphState.
    void draw(QPainter& painter, const QRect& client, const QString& caption, const Look& look,
              TButtonState glyphState, bool captionDisabled, const QPalette& palette);

  private:
    const QImage& image(TButtonState state, const QPalette& palette);
    QImage stripImage(int index) const;

    QImage strip_;
    int numGlyphs_ = 1;
    QColor transparent_ = QColor(255, 0, 255); // fuchsia until a glyph is loaded
    // The state images, made on first use and dropped when the glyph or its count changes.
    std::array<QImage, 5> images_;
};

class TFlatSpeedButton : public QWidget {
    Q_OBJECT

  public:
    explicit TFlatSpeedButton(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow);
    bool allowTimer() const { return allowTimer_; }
    void setAllowTimer(bool allow);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    bool down() const { return down_; }
    void setDown(bool down);
    bool flat() const { return flat_; }
    void setFlat(bool flat);
    const QImage& glyph() const { return glyph_.glyph(); }
    void setGlyph(const QImage& strip);
    int numGlyphs() const { return glyph_.numGlyphs(); }
    void setNumGlyphs(int count);
    bool grayedInactive() const { return grayedInactive_; }
    void setGrayedInactive(bool grayed);
    int initPause() const { return initPause_; }
    void setInitPause(int milliseconds) { initPause_ = milliseconds; }
    int repeatInterval() const { return repeatInterval_; }
    void setRepeatInterval(int milliseconds) { repeatInterval_ = milliseconds; }
    int margin() const { return margin_; }
    void setMargin(int margin); // below -1 is refused; -1 centres
    int spacing() const { return spacing_; }
    void setSpacing(int spacing); // -1 spreads the free room evenly
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);
    // The caption colour; an invalid colour means the palette's button text.
    QColor fontColor() const;
    void setFontColor(const QColor& colour);
    // The result a click gives the dialog holding the button (0: none).
    int modalResult() const { return modalResult_; }
    void setModalResult(int result) { modalResult_ = result; }

    // The state as drawn: inactive for a flat button with the mouse outside.
    TButtonState drawnState() const;
    bool mouseInside() const { return mouseInside_; }

    // Hands the click to the dialog's modal result and then to OnClick.
    void click();

  signals:
    void OnMouseEnter();
    void OnMouseLeave();
    void OnClick();
    void OnDblClick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    template <typename T> void repaintOnChange(T& field, const T& value);
    void setMouseInside(bool inside);
    void updateExclusive();
    void groupChanged(const TFlatSpeedButton& sender);
    void finishPress(const QPoint& release);
    void retestMouse();
    void repeatTick();
    void paintFrame(QPainter& painter, QRect& content, TButtonState drawn) const;

    TFlatButtonGlyph glyph_;
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    bool allowAllUp_ = false;
    bool allowTimer_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool flat_ = false;
    bool grayedInactive_ = true;
    int initPause_ = 500;
    int repeatInterval_ = 100;
    static constexpr TButtonLayout layout_ = TButtonLayout::blGlyphTop;
    int margin_ = -1;
    int spacing_ = 1;
    static constexpr TButtonStyle style_ = TButtonStyle::bsAutoDetect;
    bool transparent_ = false;
    bool wordWrap_ = false;
    QColor fontColor_;
    int modalResult_ = 0;

    TButtonState state_ = TButtonState::bsUp;
    bool mouseInside_ = false;
    bool dragging_ = false;
    QPointer<QTimer> repeatTimer_; // made on first use, dropped when the timer is turned off
    QPointer<QShortcut> accelerator_;
};
