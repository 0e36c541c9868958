// The scrolling credits panel and the animated image: how the credits scroll, wrap and stop, what
// they do to the panel's children and where the text goes beside the glyph; which frames the
// animation shows and how it draws them.

#include "AnimImage.h"
#include "CreditsPanel.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

QStringList righe(int quante) {
    QStringList testo;
    for (int i = 1; i <= quante; ++i)
        testo << QStringLiteral("Riga %1").arg(i);
    return testo;
}

// A panel of the about box's look, not yet shown, with its timer far too slow to interfere: the
// tests drive the scroll steps themselves.
void prepara(TCreditsPanel& panel, const QStringList& testo) {
    panel.resize(200, 100);
    QFont carattere = panel.font();
    carattere.setPixelSize(17);
    panel.setFont(carattere);
    panel.setInterval(1000000);
    panel.setLines(testo);
}

// A strip of frames each filled with its own grey level, with a key-coloured square in the
// top-left corner of every frame.
QImage striscia(int fotogrammi, QSize fotogramma, const QColor& chiave) {
    QImage immagine(fotogramma.width() * fotogrammi, fotogramma.height(), QImage::Format_RGB32);
    QPainter p(&immagine);
    for (int f = 0; f < fotogrammi; ++f) {
        const QRect posto(f * fotogramma.width(), 0, fotogramma.width(), fotogramma.height());
        p.fillRect(posto, QColor(40 * f, 40 * f, 40 * f));
        p.fillRect(posto.x(), 0, 4, 4, chiave);
    }
    return immagine;
}

// Runs the animation on its own timer and gives the first frames it shows.
QList<int> fotogrammiVisti(TAnimImage& immagine, int quanti) {
    immagine.setInterval(1);
    QList<int> visti;
    QObject::connect(&immagine, &TAnimImage::OnFrameChanged, &immagine,
                     [&] { visti << immagine.shownFrame(); });
    immagine.show();
    immagine.setActive(true);
    for (int attesa = 0; attesa < 5000 && visti.size() < quanti; attesa += 5)
        QTest::qWait(5);
    immagine.setActive(false);
    return visti.mid(0, quanti);
}

} // namespace

Q_DECLARE_METATYPE(TGlyphLayout)

class TestWidgets2 : public QObject {
    Q_OBJECT

  private slots:
    void scrollsOnePixelPerStep();
    void endOfText_data();
    void endOfText();
    void noLinesStopsAfterOneStep();
    void reactivationStartsAtFirstLine();
    void childrenHiddenWhilePlaying();
    void timerScrollsOnItsOwn();
    void glyphLayout_data();
    void glyphLayout();

    void framesFromStrip_data();
    void framesFromStrip();
    void stepsThroughFrames();
    void activeSkipsInactiveFrame();
    void inactiveShowsInactiveFrame();
    void drawsFrameWithKeyTransparent();
    void doubleClickSignals();
};

void TestWidgets2::scrollsOnePixelPerStep() {
    TCreditsPanel panel;
    prepara(panel, righe(8));
    panel.setActive(true);
    QCOMPARE(panel.scrollPosition(), 0);
    panel.scrollStep();
    const QImage prima = panel.grab().toImage();
    panel.scrollStep();
    const QImage dopo = panel.grab().toImage();
    QCOMPARE(panel.scrollPosition(), 2);
    // The text moved up by exactly one pixel row.
    const QRect testo = panel.textRect();
    QVERIFY(prima.copy(testo) != dopo.copy(testo));
    QCOMPARE(dopo.copy(testo.adjusted(0, 0, 0, -1)), prima.copy(testo.adjusted(0, 1, 0, 0)));
}

void TestWidgets2::endOfText_data() {
    QTest::addColumn<bool>("cycled");
    QTest::newRow("stops at the end") << false;
    QTest::newRow("cycled: back to the first line") << true;
}

void TestWidgets2::endOfText() {
    QFETCH(bool, cycled);
    int fermate = 0; // outlives the panel, whose destruction stops it once more
    TCreditsPanel panel;
    prepara(panel, righe(3));
    panel.show();
    panel.setCycled(cycled);
    connect(&panel, &TCreditsPanel::OnStopPlay, &panel, [&] { ++fermate; });
    panel.setActive(true);
    const int fine = 2 * panel.lineHeight(); // the last line has reached the top
    for (int i = 0; i < fine; ++i)
        panel.scrollStep();
    QCOMPARE(panel.scrollPosition(), fine);
    QVERIFY(panel.isActive());
    panel.scrollStep();
    QCOMPARE(panel.isActive(), cycled);
    QCOMPARE(panel.scrollPosition(), 0);
    QCOMPARE(fermate, cycled ? 0 : 1);
    QVERIFY(!panel.isHidden()); // stopping leaves the panel itself in view
}

void TestWidgets2::noLinesStopsAfterOneStep() {
    TCreditsPanel panel;
    prepara(panel, {});
    panel.setActive(true);
    panel.scrollStep();
    QVERIFY(!panel.isActive());
    QCOMPARE(panel.scrollPosition(), 0);
}

void TestWidgets2::reactivationStartsAtFirstLine() {
    TCreditsPanel panel;
    prepara(panel, righe(5));
    int partenze = 0;
    connect(&panel, &TCreditsPanel::OnStartPlay, &panel, [&] { ++partenze; });
    panel.setActive(true);
    for (int i = 0; i < 7; ++i)
        panel.scrollStep();
    panel.setActive(false);
    panel.setActive(true);
    QCOMPARE(panel.scrollPosition(), 0);
    QCOMPARE(partenze, 2);
}

void TestWidgets2::childrenHiddenWhilePlaying() {
    TCreditsPanel panel;
    prepara(panel, righe(3));
    auto* visibile = new QLabel(QStringLiteral("visibile"), &panel);
    auto* nascosta = new QLabel(QStringLiteral("nascosta"), &panel);
    nascosta->hide();
    panel.setActive(true);
    QVERIFY(visibile->isHidden());
    QVERIFY(nascosta->isHidden());
    panel.setActive(false);
    QVERIFY(!visibile->isHidden());
    QVERIFY(nascosta->isHidden()); // hidden by the user before: stays hidden
}

void TestWidgets2::timerScrollsOnItsOwn() {
    TCreditsPanel panel;
    prepara(panel, righe(10));
    panel.setInterval(30);
    QCOMPARE(panel.interval(), 30u);
    panel.show();
    panel.setActive(true);
    QTRY_VERIFY(panel.scrollPosition() >= 3);
}

void TestWidgets2::glyphLayout_data() {
    // Panel 200 x 100, lowered outer bevel of 1 pixel: the text area starts 4 pixels in.
    QTest::addColumn<TGlyphLayout>("layout");
    QTest::addColumn<QSize>("glyph");
    QTest::addColumn<QPoint>("glyphAt");
    QTest::addColumn<QRect>("text");
    const QSize g(20, 10);
    QTest::newRow("left") << TGlyphLayout::glGlyphLeft << g << QPoint(7, 45)
                          << QRect(QPoint(27, 4), QPoint(195, 95));
    QTest::newRow("right") << TGlyphLayout::glGlyphRight << g << QPoint(173, 45)
                           << QRect(QPoint(4, 4), QPoint(172, 95));
    QTest::newRow("top") << TGlyphLayout::glGlyphTop << g << QPoint(90, 6)
                         << QRect(QPoint(4, 16), QPoint(195, 95));
    QTest::newRow("bottom") << TGlyphLayout::glGlyphBottom << g << QPoint(90, 84)
                            << QRect(QPoint(4, 4), QPoint(195, 83));
    QTest::newRow("glyph fills the width: no text area")
        << TGlyphLayout::glGlyphLeft << QSize(190, 10) << QPoint(7, 45) << QRect(0, 0, 0, 0);
}

void TestWidgets2::glyphLayout() {
    QFETCH(TGlyphLayout, layout);
    QFETCH(QSize, glyph);
    QFETCH(QPoint, glyphAt);
    QFETCH(QRect, text);
    TCreditsPanel panel;
    prepara(panel, righe(3));
    QImage figura(glyph, QImage::Format_RGB32);
    figura.fill(Qt::red);
    panel.setGlyph(figura);
    panel.setGlyphLayout(layout);
    panel.setActive(true);
    QCOMPARE(panel.glyphPosition(), glyphAt);
    QCOMPARE(panel.textRect(), text);
}

void TestWidgets2::framesFromStrip_data() {
    QTest::addColumn<QSize>("strip");
    QTest::addColumn<int>("orientation"); // 0 horizontal, 1 vertical
    QTest::addColumn<int>("setFrames");   // 0: as read from the strip
    QTest::addColumn<int>("frames");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("square frames side by side") << QSize(100, 20) << 0 << 0 << 5 << QSize(20, 20);
    QTest::newRow("square frames stacked") << QSize(20, 100) << 1 << 0 << 5 << QSize(20, 20);
    QTest::newRow("not a multiple: one picture") << QSize(160, 65) << 0 << 0 << 1 << QSize(160, 65);
    QTest::newRow("160 x 65 in 5 frames") << QSize(160, 65) << 0 << 5 << 5 << QSize(32, 65);
}

void TestWidgets2::framesFromStrip() {
    QFETCH(QSize, strip);
    QFETCH(int, orientation);
    QFETCH(int, setFrames);
    QFETCH(int, frames);
    QFETCH(QSize, frame);
    TAnimImage immagine;
    if (orientation == 1) immagine.setOrientation(TGlyphOrientation::goVertical);
    QImage figura(strip, QImage::Format_RGB32);
    figura.fill(Qt::blue);
    immagine.setGlyph(figura);
    if (setFrames > 0) immagine.setNumGlyphs(setFrames);
    QCOMPARE(immagine.numGlyphs(), frames);
    QCOMPARE(immagine.frameSize(), frame);
    QCOMPARE(immagine.size(), frame); // AutoSize
}

void TestWidgets2::stepsThroughFrames() {
    TAnimImage immagine;
    QImage figura(160, 65, QImage::Format_RGB32);
    figura.fill(Qt::blue);
    immagine.setGlyph(figura);
    immagine.setNumGlyphs(5);
    immagine.setGlyphNum(3);
    QCOMPARE(fotogrammiVisti(immagine, 5), (QList<int>{4, 0, 1, 2, 3}));
}

void TestWidgets2::activeSkipsInactiveFrame() {
    TAnimImage immagine;
    immagine.setGlyph(striscia(2, QSize(10, 10), Qt::green));
    immagine.setInactiveGlyph(0);
    QCOMPARE(fotogrammiVisti(immagine, 4), (QList<int>{1, 1, 1, 1}));
}

void TestWidgets2::inactiveShowsInactiveFrame() {
    TAnimImage immagine;
    immagine.setGlyph(striscia(4, QSize(10, 10), Qt::green));
    immagine.setGlyphNum(2);
    QCOMPARE(immagine.shownFrame(), 2);
    immagine.setInactiveGlyph(1);
    QCOMPARE(immagine.shownFrame(), 1);
    immagine.setInactiveGlyph(4); // no such frame: refused
    QCOMPARE(immagine.inactiveGlyph(), 1);
    immagine.setNumGlyphs(1); // the inactive frame is gone with its frames
    QCOMPARE(immagine.inactiveGlyph(), -1);
    QCOMPARE(immagine.glyphNum(), 0);
}

void TestWidgets2::drawsFrameWithKeyTransparent() {
    const QColor lime(0, 255, 0);
    QWidget fondo;
    fondo.resize(60, 60);
    fondo.setAutoFillBackground(true);
    QPalette colori = fondo.palette();
    colori.setColor(QPalette::Window, Qt::red);
    fondo.setPalette(colori);
    auto* immagine = new TAnimImage(&fondo);
    immagine->setGlyph(striscia(3, QSize(20, 20), lime));
    immagine->setTransparentColor(lime);
    immagine->setGlyphNum(2);
    immagine->setStretch(false);
    immagine->setAutoSize(false);
    immagine->resize(40, 40);
    immagine->setCenter(true);
    const QImage vista = fondo.grab().toImage();
    // Frame 2 lies centred at (10, 10); its key-coloured corner shows the red background.
    QCOMPARE(vista.pixelColor(20, 20), QColor(80, 80, 80));
    QCOMPARE(vista.pixelColor(11, 11), QColor(Qt::red));
    QCOMPARE(vista.pixelColor(5, 5), QColor(Qt::red));
}

void TestWidgets2::doubleClickSignals() {
    TAnimImage immagine;
    int doppi = 0;
    connect(&immagine, &TAnimImage::OnDblClick, &immagine, [&] { ++doppi; });
    QTest::mouseDClick(&immagine, Qt::LeftButton);
    QCOMPARE(doppi, 1);
}

QTEST_MAIN(TestWidgets2)
#include "test_widgets2.moc"
