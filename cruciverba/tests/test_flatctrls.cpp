// The flat speed button and the drawing routines behind it: looks by state (read from the
// rendered pixels), clicks, grouping, auto-repeat, the foreground rule of mouse-enter and the
// layout of glyph and caption.

#include "DrawUtils.h"
#include "FlatCtrls.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QImage Render(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bounding box of the pixels of a colour.
QRect PixelsOf(const QImage& image, const QColor& colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

void Enter(QWidget& w) {
    QEnterEvent event(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), w.mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(&w, &event);
}

// Press and release sent straight to the button, leaving the pointer where it is.
void Send(QWidget& w, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::LeftButton, held, {});
    QCoreApplication::sendEvent(&w, &event);
}

void Click(QWidget& w, QPoint at = {5, 5}) {
    Send(w, QEvent::MouseButtonPress, at);
    Send(w, QEvent::MouseButtonRelease, at);
}

void Leave(QWidget& w) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &event);
}

// A strip of n square images of size s, image i filled with colours[i] on a fuchsia corner.
QImage Strip(int n, int s, const QList<QColor>& colours) {
    QImage strip(n * s, s, QImage::Format_RGB32);
    for (int i = 0; i < n; ++i)
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
                strip.setPixelColor(i * s + x, y, colours[i]);
    for (int i = 0; i < n; ++i)
        strip.setPixelColor(i * s, s - 1, QColor(255, 0, 255));
    return strip;
}

} // namespace

class TestFlatCtrls : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    QPalette pal;

    TFlatSpeedButton* Button(int groupIndex = 0) {
        auto* b = new TFlatSpeedButton(window);
        b->setGroupIndex(groupIndex);
        return b;
    }

  private slots:
    void init() {
        window = new QWidget;
        window->resize(300, 200);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCursor::setPos(window->mapToGlobal(QPoint(290, 190))); // away from every button
        pal = window->palette();
    }
    void cleanup() {
        delete window;
        window = nullptr;
    }

    void checkerPatternAndEllipsis() {
        const QImage p = MakeCheckerPattern(Qt::red, Qt::blue);
        QCOMPARE(p.size(), QSize(8, 8));
        QCOMPARE(p.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(p.pixelColor(1, 0), QColor(Qt::red));
        QCOMPARE(p.pixelColor(1, 1), QColor(Qt::blue));
        const QFontMetrics fm(window->font());
        QCOMPARE(FitTextWithEllipsis("abc", fm, 1000), QString("abc"));
        const QString cut = FitTextWithEllipsis("una didascalia molto lunga", fm, 60);
        QVERIFY(cut.endsWith("..."));
        QVERIFY(fm.horizontalAdvance(cut) <= 60);
    }

    void blitTransparentAndNone() {
        QImage src(2, 1, QImage::Format_RGB32);
        src.setPixelColor(0, 0, Qt::green);
        src.setPixelColor(1, 0, QColor(255, 0, 255));
        for (const bool none : {false, true}) {
            QImage dst(4, 2, QImage::Format_RGB32);
            dst.fill(Qt::black);
            QPainter painter(&dst);
            BlitBitmapTransparent(painter, src, none ? QColor() : QColor(255, 0, 255),
                                  QRect(0, 0, 4, 2), QRect());
            painter.end();
            QCOMPARE(dst.pixelColor(0, 0), QColor(Qt::green));
            QCOMPARE(dst.pixelColor(3, 1), none ? QColor(255, 0, 255) : QColor(Qt::black));
        }
    }

    void embossedBitmap() {
        QImage src(3, 3, QImage::Format_RGB32);
        src.fill(Qt::white);
        src.setPixelColor(1, 1, Qt::black);
        const QImage e =
            MakeEmbossedBitmap(src, Qt::white, Qt::gray, true, Qt::darkGray, Qt::yellow);
        QCOMPARE(e.pixelColor(0, 0), QColor(Qt::gray));
        QCOMPARE(e.pixelColor(1, 1), QColor(Qt::darkGray));
        QCOMPARE(e.pixelColor(2, 2), QColor(Qt::yellow));
    }

    // No glyph, flat: only the caption until the mouse enters, then a raised frame; pressing
    // lowers the frame and shifts the caption one pixel right and down.
    void flatButtonLooks() {
        TFlatSpeedButton* b = Button();
        b->setFlat(true);
        b->setCaption("7");
        b->resize(41, 41);
        b->setFontColor(Qt::blue);
        b->show();
        const QColor face = pal.color(QPalette::Button);
        QImage img = Render(*b);
        QCOMPARE(b->drawnState(), TButtonState::bsInactive);
        QCOMPARE(img.pixel(0, 0), face.rgb());
        QCOMPARE(img.pixel(40, 40), face.rgb());
        const QRect captionUp = PixelsOf(img, Qt::blue);
        QVERIFY(!captionUp.isEmpty());

        QSignalSpy entered(b, &TFlatSpeedButton::OnMouseEnter);
        Enter(*b);
        QCOMPARE(entered.count(), 1);
        img = Render(*b);
        QCOMPARE(img.pixel(0, 0), pal.color(QPalette::Light).rgb());
        QCOMPARE(img.pixel(40, 40), pal.color(QPalette::Dark).rgb());
        QCOMPARE(PixelsOf(img, Qt::blue), captionUp);

        Send(*b, QEvent::MouseButtonPress, QPoint(20, 20));
        QCOMPARE(b->drawnState(), TButtonState::bsDown);
        img = Render(*b);
        QCOMPARE(img.pixel(0, 0), pal.color(QPalette::Shadow).rgb());
        QCOMPARE(PixelsOf(img, Qt::blue), captionUp.translated(1, 1));
    }

    // After a click an ungrouped flat button is drawn inactive until the pointer is looked at
    // again; here the pointer is elsewhere, so it stays inactive.
    void clickAndReleaseOutside() {
        TFlatSpeedButton* b = Button();
        b->setFlat(true);
        b->show();
        QSignalSpy clicks(b, &TFlatSpeedButton::OnClick);
        Enter(*b);
        Click(*b);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(b->drawnState(), TButtonState::bsInactive);
        QVERIFY(!b->mouseInside());

        Send(*b, QEvent::MouseButtonPress, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), b->mapToGlobal(QPointF(60, 60)),
                         Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(b, &move);
        QCOMPARE(b->drawnState(), TButtonState::bsUp); // dragged off: raised again
        Send(*b, QEvent::MouseButtonRelease, QPoint(60, 60));
        QCOMPARE(clicks.count(), 1);
    }

    // The pointer still over the button after the click: the retest brings the frame back and
    // fires OnMouseEnter again, so a window can refresh what it shows about the button.
    void retestAfterClickOverButton() {
        TFlatSpeedButton* b = Button();
        b->setFlat(true);
        b->move(50, 50);
        b->show();
        QCursor::setPos(b->mapToGlobal(QPoint(10, 10)));
        if (QApplication::widgetAt(QCursor::pos()) != b) QSKIP("no pointer on this platform");
        QSignalSpy entered(b, &TFlatSpeedButton::OnMouseEnter);
        Enter(*b);
        Click(*b, QPoint(10, 10));
        QCOMPARE(entered.count(), 2);
        QCOMPARE(b->drawnState(), TButtonState::bsUp);
    }

    void noMouseEnterWithoutForeground() {
        TFlatSpeedButton* b = Button();
        b->show();
        QSignalSpy entered(b, &TFlatSpeedButton::OnMouseEnter);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QApplication::setActiveWindow(nullptr);
        Enter(*b);
        QCOMPARE(entered.count(), 0);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        Enter(*b);
        QCOMPARE(entered.count(), 1);
        Leave(*b);
        QVERIFY(!b->mouseInside());
    }

    void grouping() {
        TFlatSpeedButton* ungrouped = Button();
        ungrouped->setDown(true);
        QVERIFY(!ungrouped->down());

        TFlatSpeedButton* a = Button(1);
        TFlatSpeedButton* b = Button(1);
        TFlatSpeedButton* other = Button(2);
        other->setDown(true);
        a->setDown(true);
        QVERIFY(a->down());
        QCOMPARE(a->drawnState(), TButtonState::bsExclusive);
        b->setDown(true);
        QVERIFY(b->down());
        QVERIFY(!a->down());
        QVERIFY(other->down());
        b->setDown(false); // not allowed while the group keeps one down
        QVERIFY(b->down());

        a->setAllowAllUp(true); // the group takes it over
        QVERIFY(b->allowAllUp());
        QVERIFY(!other->allowAllUp());
        b->show();
        Click(*b); // a click toggles it up
        QVERIFY(!b->down());
        Click(*b);
        QVERIFY(b->down());
    }

    void doubleClickOnlyWhileDown() {
        TFlatSpeedButton* b = Button(1);
        b->setAllowAllUp(true);
        b->show();
        QSignalSpy doubles(b, &TFlatSpeedButton::OnDblClick);
        QSignalSpy clicks(b, &TFlatSpeedButton::OnClick);
        // A double click: press, release, double click, release. The first click puts it down,
        // the second press is no press of its own.
        auto doubleClick = [&] {
            Click(*b);
            Send(*b, QEvent::MouseButtonDblClick, QPoint(5, 5));
            Send(*b, QEvent::MouseButtonRelease, QPoint(5, 5));
        };
        doubleClick();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(doubles.count(), 1);
        QVERIFY(b->down());
        doubleClick(); // the first click puts it up: no OnDblClick
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(doubles.count(), 1);
        QVERIFY(!b->down());
    }

    void autoRepeatWhileHeld() {
        TFlatSpeedButton* b = Button();
        b->setAllowTimer(true);
        b->setInitPause(20);
        b->setRepeatInterval(5);
        b->show();
        QSignalSpy clicks(b, &TFlatSpeedButton::OnClick);
        Send(*b, QEvent::MouseButtonPress, QPoint(5, 5));
        QTRY_VERIFY(clicks.count() >= 3);
        Send(*b, QEvent::MouseButtonRelease, QPoint(5, 5));
        const int afterRelease = clicks.count();
        QTest::qWait(50);
        QCOMPARE(clicks.count(), afterRelease);
        b->setAllowTimer(false);
        Send(*b, QEvent::MouseButtonPress, QPoint(5, 5));
        QTest::qWait(50);
        QCOMPARE(clicks.count(), afterRelease);
    }

    void acceleratorClicks() {
        TFlatSpeedButton* b = Button();
        b->setCaption("&Aiuto");
        b->show();
        QSignalSpy clicks(b, &TFlatSpeedButton::OnClick);
        QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        b->setEnabled(false);
        QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
    }

    void marginBelowMinusOneRefused() {
        TFlatSpeedButton* b = Button();
        b->setMargin(3);
        b->setMargin(-2);
        QCOMPARE(b->margin(), 3);
        b->setMargin(-1);
        QCOMPARE(b->margin(), -1);
    }

    void disabledLook() {
        TFlatSpeedButton* b = Button();
        b->setCaption("8");
        b->resize(41, 41);
        b->setEnabled(false);
        QCOMPARE(b->drawnState(), TButtonState::bsDisabled);
        const QImage img = Render(*b);
        const QRect grey = PixelsOf(img, QColor(128, 128, 128));
        QVERIFY(!grey.isEmpty());
        b->setEnabled(true);
        QCOMPARE(b->drawnState(), TButtonState::bsUp);
    }

    void glyphStripCount() {
        TFlatButtonGlyph g;
        g.setGlyph(Strip(4, 16, {Qt::red, Qt::green, Qt::blue, Qt::yellow}));
        QCOMPARE(g.numGlyphs(), 4);
        QCOMPARE(g.glyphSize(), QSize(16, 16));
        QCOMPARE(g.transparentColor(), QColor(255, 0, 255));
        g.setGlyph(Strip(1, 16, {Qt::red}).scaled(96, 16));
        QCOMPARE(g.numGlyphs(), 1); // six images or more: one image
    }

    void layout_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<bool>("withGlyph");
        QTest::addColumn<bool>("glyphBeforeCaption");
        QTest::newRow("caption only, centred")
            << int(TButtonLayout::blGlyphTop) << -1 << 1 << false << true;
        QTest::newRow("glyph left") << int(TButtonLayout::blGlyphLeft) << 2 << 4 << true << true;
        QTest::newRow("glyph right")
            << int(TButtonLayout::blGlyphRight) << -1 << -1 << true << false;
        QTest::newRow("glyph top") << int(TButtonLayout::blGlyphTop) << -1 << 1 << true << true;
    }

    void layout() {
        QFETCH(int, layout);
        QFETCH(int, margin);
        QFETCH(int, spacing);
        QFETCH(bool, withGlyph);
        QFETCH(bool, glyphBeforeCaption);
        TFlatButtonGlyph g;
        if (withGlyph) g.setGlyph(Strip(1, 16, {Qt::red}));
        const QRect client(3, 3, 100, 60);
        const QFontMetrics fm(window->font());
        const auto lay = static_cast<TButtonLayout>(layout);
        const TGlyphPlacement p = g.layout(client, fm, "Stampa", lay, margin, spacing, false);
        QCOMPARE(p.text, QString("Stampa"));
        const bool side = lay == TButtonLayout::blGlyphLeft || lay == TButtonLayout::blGlyphRight;
        // Across the layout axis both are centred.
        const int across = side ? p.caption.center().y() : p.caption.center().x();
        const int middle = side ? client.center().y() : client.center().x();
        QVERIFY(qAbs(across - middle) <= 1);
        if (!withGlyph) {
            QVERIFY(qAbs(p.caption.center().y() - client.center().y()) <= 1);
            return;
        }
        const int glyphEnd = side ? p.glyph.x() + 16 : p.glyph.y() + 16;
        const int captionStart = side ? p.caption.left() : p.caption.top();
        if (glyphBeforeCaption) {
            QVERIFY(captionStart >= glyphEnd);
            if (margin >= 0) QCOMPARE(side ? p.glyph.x() : p.glyph.y(), client.left() + margin);
            if (spacing >= 0) QCOMPARE(captionStart - glyphEnd, spacing);
        } else {
            QVERIFY(p.caption.right() < p.glyph.x());
        }
    }

    void captionShortenedWithoutWordWrap() {
        TFlatButtonGlyph g;
        const QFontMetrics fm(window->font());
        const TGlyphPlacement p = g.layout(QRect(0, 0, 40, 20), fm, "Porta in Ricevitoria",
                                           TButtonLayout::blGlyphTop, -1, 1, false);
        QVERIFY(p.text.endsWith("..."));
        QVERIFY(p.caption.width() <= 38);
    }
};

QTEST_MAIN(TestFlatCtrls)
#include "test_flatctrls.moc"
