// The hyperlink label: how an address is read (scheme, link type, prefix), what it shows and
// hints, the placeholders, and when a click opens the link. A test double stands in for the
// desktop, so no browser ever starts.

#include "RispostaModale.h"
#include "UrlLabel.h"

#include <QTest>

namespace {

class FakeOpener : public LinkOpener {
  public:
    bool web = true;
    bool mail = true;
    QStringList opened;

    bool canOpen(TUrlLinkType kind) const override {
        return kind == TUrlLinkType::http ? web : mail;
    }
    bool starts = true; // false: no browser or mail program starts
    bool open(const QString& address) override {
        opened << address;
        return starts;
    }
};

} // namespace

Q_DECLARE_METATYPE(TUrlLinkType)
Q_DECLARE_METATYPE(TUrlLabelType)

class TestUrlLabel : public QObject {
    Q_OBJECT

  private slots:
    void init() { installLinkOpener(&opener); }
    void cleanup() { installLinkOpener(nullptr); }

    void readsAddress_data();
    void readsAddress();
    void newLabelShowsWebPlaceholder();
    void linkTypeSwapsPlaceholders();
    void prefixAndHint();
    void explicitCaptionStays();
    void click_data();
    void click();
    void releaseOutsideDoesNotClick();
    void sameFontLiveOrDead();
    void noProgramStarts_data();
    void noProgramStarts();

  private:
    FakeOpener opener;
};

void TestUrlLabel::readsAddress_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("url");
    QTest::addColumn<TUrlLinkType>("type");
    QTest::addColumn<QString>("opens");

    const auto web = TUrlLinkType::http;
    const auto mail = TUrlLinkType::mailto;
    QTest::newRow("bare host stays web") << "www.sito.it"
                                         << "www.sito.it" << web << "http://www.sito.it";
    QTest::newRow("e-mail") << "mario@sito.it"
                            << "mario@sito.it" << mail << "mailto:mario@sito.it";
    QTest::newRow("e-mail with prefix") << "mailto:mario@sito.it"
                                        << "mario@sito.it" << mail << "mailto:mario@sito.it";
    QTest::newRow("prefix in mixed case") << "MailTo:mario@sito.it"
                                          << "mario@sito.it" << mail << "mailto:mario@sito.it";
    QTest::newRow("upper-case web prefix and a path")
        << "HTTP://www.sito.it/pagina.htm"
        << "www.sito.it/pagina.htm" << web << "http://www.sito.it/pagina.htm";
    QTest::newRow("both @ and / make a web link")
        << "www.sito.it/~mario@casa"
        << "www.sito.it/~mario@casa" << web << "http://www.sito.it/~mario@casa";
    QTest::newRow("another scheme is kept whole")
        << "ftp://sito.it"
        << "ftp://sito.it" << web << "http://ftp://sito.it";
}

void TestUrlLabel::readsAddress() {
    QFETCH(QString, given);
    QFETCH(QString, url);
    QFETCH(TUrlLinkType, type);
    QFETCH(QString, opens);
    TUrlLabel label;
    label.setURL(given);
    QCOMPARE(label.url(), url);
    QCOMPARE(label.linkType(), type);
    QCOMPARE(label.text(), url);
    QCOMPARE(label.address(), opens);
}

void TestUrlLabel::newLabelShowsWebPlaceholder() {
    TUrlLabel label;
    QCOMPARE(label.url(), TUrlLabel::WebPlaceholder);
    QCOMPARE(label.linkType(), TUrlLinkType::http);
    QCOMPARE(label.text(), TUrlLabel::WebPlaceholder);
    QCOMPARE(label.toolTip(), TUrlLabel::WebPlaceholder);
    QVERIFY(label.font().underline());
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
}

void TestUrlLabel::linkTypeSwapsPlaceholders() {
    TUrlLabel label;
    label.setLinkType(TUrlLinkType::mailto);
    QCOMPARE(label.url(), TUrlLabel::MailPlaceholder);
    label.setLinkType(TUrlLinkType::http);
    QCOMPARE(label.url(), TUrlLabel::WebPlaceholder);
    // A real address is never replaced by a placeholder.
    label.setURL(QStringLiteral("www.sito.it"));
    label.setLinkType(TUrlLinkType::mailto);
    QCOMPARE(label.url(), QStringLiteral("www.sito.it"));
}

void TestUrlLabel::prefixAndHint() {
    TUrlLabel label;
    label.setURL(QStringLiteral("mario@sito.it"));
    label.setShowPrefix(true);
    QCOMPARE(label.text(), QStringLiteral("mailto:mario@sito.it"));
    QCOMPARE(label.toolTip(), QStringLiteral("mailto:mario@sito.it"));
    label.setURLAsHint(false);
    QVERIFY(label.toolTip().isEmpty());
}

void TestUrlLabel::explicitCaptionStays() {
    TUrlLabel label;
    label.setCaption(QStringLiteral("Scrivici"));
    label.setURL(QStringLiteral("mario@sito.it"));
    QCOMPARE(label.text(), QStringLiteral("Scrivici"));
    QCOMPARE(label.toolTip(), QStringLiteral("mario@sito.it"));
}

void TestUrlLabel::click_data() {
    QTest::addColumn<TUrlLabelType>("labelType");
    QTest::addColumn<bool>("desktopCanOpen");
    QTest::addColumn<bool>("opens");
    QTest::newRow("auto, desktop can open") << TUrlLabelType::Auto << true << true;
    QTest::newRow("auto, no handler: passive") << TUrlLabelType::Auto << false << false;
    QTest::newRow("passive never opens") << TUrlLabelType::Passive << true << false;
    QTest::newRow("link always opens") << TUrlLabelType::Link << false << true;
}

void TestUrlLabel::click() {
    QFETCH(TUrlLabelType, labelType);
    QFETCH(bool, desktopCanOpen);
    QFETCH(bool, opens);
    opener.web = opener.mail = desktopCanOpen;
    opener.opened.clear();
    TUrlLabel label;
    label.setURL(QStringLiteral("www.sito.it/pagina.htm"));
    label.setLabelType(labelType);
    int clicks = 0;
    connect(&label, &TUrlLabel::OnClick, &label, [&] { ++clicks; });
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QCOMPARE(opener.opened,
             opens ? QStringList{QStringLiteral("http://www.sito.it/pagina.htm")} : QStringList{});
    QCOMPARE(label.font().underline(), opens);
    QCOMPARE(label.cursor().shape(), opens ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TestUrlLabel::releaseOutsideDoesNotClick() {
    opener.opened.clear();
    TUrlLabel label;
    label.resize(100, 20);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 5));
    QVERIFY(opener.opened.isEmpty());
}

// A large link font, as the about box sets: a label that cannot open its link takes the same
// room and baseline, only not underlined and in the passive colour.
void TestUrlLabel::sameFontLiveOrDead() {
    auto prepara = [&](TUrlLabel& label) {
        LabelFont collegamento = label.linkFont();
        collegamento.font.setPixelSize(20);
        label.setLinkFont(collegamento);
        label.setURL(QStringLiteral("www.sito.it"));
    };
    opener.web = true;
    TUrlLabel viva;
    prepara(viva);
    opener.web = false;
    TUrlLabel spenta;
    prepara(spenta);
    QVERIFY(viva.isLive() && !spenta.isLive());
    QCOMPARE(spenta.font().pixelSize(), 20);
    QCOMPARE(spenta.font().family(), viva.font().family());
    QCOMPARE(spenta.sizeHint(), viva.sizeHint());
    QVERIFY(!spenta.font().underline());
    QCOMPARE(spenta.palette().color(QPalette::WindowText), spenta.passiveFont().color);
    opener.web = true;
}

void TestUrlLabel::noProgramStarts_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("missing");
    QTest::newRow("web page") << "www.sito.it/pagina.htm"
                              << "un browser web";
    QTest::newRow("e-mail") << "mario@sito.it"
                            << "un programma di posta elettronica";
}

// A live link whose program does not start tells the user so, over the label's window.
void TestUrlLabel::noProgramStarts() {
    QFETCH(QString, url);
    QFETCH(QString, missing);
    opener.starts = false;
    TUrlLabel label;
    label.setURL(url);
    RispostaModale risposte;
    QTest::mouseClick(&label, Qt::LeftButton);
    opener.starts = true;
    QCOMPARE(risposte.testi, QStringList{cannotOpenMessage(label.address())});
    QVERIFY(risposte.testi[0].startsWith(QStringLiteral("Attenzione. ")));
    QVERIFY(risposte.testi[0].contains(missing));
    QVERIFY(risposte.testi[0].contains(label.address()));
}

QTEST_MAIN(TestUrlLabel)
#include "test_urllabel.moc"
