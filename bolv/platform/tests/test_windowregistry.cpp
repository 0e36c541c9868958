// The window registry: one window per name, created hidden as a child of the
// main window's client area, brought up restored, closed with deferred deletion.
#include "windowregistry.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace platform;

namespace {
int created = 0;

class Finestra : public QWidget {
  public:
    Finestra() { ++created; }
};

// A child window's content: the least room it needs and the room it asks for.
class Contenuto : public QWidget {
  public:
    Contenuto(QSize least, QSize asked) : least_(least), asked_(asked) {}
    QSize minimumSizeHint() const override { return least_; }
    QSize sizeHint() const override { return asked_; }

  private:
    QSize least_, asked_;
};

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

class TestWindowRegistry : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void oneHiddenWindowPerName();
    void showAndVisform();
    void closeIsDeferred();
    void closeOpenClosesOnlyOpenWindowsInOrder();
    void userCloseForgetsTheWindow();
    void topLevelWindows();
    void topLevelWindowsStandOverTheMainWindow_data();
    void topLevelWindowsStandOverTheMainWindow();
    void childWindowsFitTheirContent_data();
    void childWindowsFitTheirContent();

  private:
    QMainWindow* main_ = nullptr;
    QMdiArea* area_ = nullptr;
};

void TestWindowRegistry::init() {
    created = 0;
    main_ = new QMainWindow;
    area_ = new QMdiArea;
    main_->setCentralWidget(area_);
    main_->resize(800, 600);
    main_->show();
    registry().setMainWindow(main_, area_);
    for (const char* n : {"estremi", "info", "situ", "ambi"})
        registry().define<Finestra>(QString::fromLatin1(n));
}

void TestWindowRegistry::cleanup() {
    registry().reset();
    delete main_;
}

void TestWindowRegistry::oneHiddenWindowPerName() {
    QVERIFY(!registry().isOpen("estremi"));
    QWidget* w = registry().window("estremi");
    QVERIFY(w);
    QCOMPARE(registry().window("estremi"), w);
    QCOMPARE(created, 1);
    QCOMPARE(w->objectName(), QStringLiteral("estremi"));
    QMdiSubWindow* sub = registry().subWindow("estremi");
    QVERIFY(sub);
    QCOMPARE(sub->mdiArea(), area_);
    QVERIFY(sub->isHidden());
    QCOMPARE(sub->pos(), QPoint(0, 0));
    QVERIFY(!registry().window("sconosciuta"));
    QCOMPARE(registry().openNames(), QStringList{"estremi"});
}

void TestWindowRegistry::showAndVisform() {
    QWidget* w = registry().show("info");
    QMdiSubWindow* sub = registry().subWindow("info");
    QVERIFY(sub->isVisible());
    sub->showMinimized();
    registry().show("info"); // a menu entry leaves it as it is
    QVERIFY(sub->isMinimized());
    QCOMPARE(registry().visform("info"), w); // a toolbar key restores it
    QVERIFY(!sub->isMinimized());
    QCOMPARE(area_->activeSubWindow(), sub);
    QCOMPARE(created, 1);
}

void TestWindowRegistry::closeIsDeferred() {
    QPointer<QWidget> w = registry().show("situ");
    registry().close("situ");
    // Gone for the program at once, but alive until the event loop runs, so
    // the handler that closed its own window finishes.
    QVERIFY(!registry().isOpen("situ"));
    QVERIFY(w);
    QVERIFY(!registry().subWindow("situ"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    QVERIFY(registry().window("situ")); // the next use creates it afresh
    QCOMPARE(created, 2);
}

void TestWindowRegistry::closeOpenClosesOnlyOpenWindowsInOrder() {
    registry().window("ambi");
    registry().show("situ");
    QStringList closedOrder;
    for (const QString& n : {QStringLiteral("ambi"), QStringLiteral("situ")})
        connect(registry().frame(n), &QObject::destroyed, this,
                [&closedOrder, n] { closedOrder << n; });
    registry().closeOpen({"situ", "estremi", "ambi"});
    QVERIFY(registry().openNames().isEmpty());
    QCOMPARE(created, 2); // "estremi" was not opened by closing it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(closedOrder, QStringList({"situ", "ambi"}));
}

void TestWindowRegistry::userCloseForgetsTheWindow() {
    QPointer<QWidget> w = registry().show("info");
    registry().subWindow("info")->close(); // the window frame's close box
    QVERIFY(!registry().isOpen("info"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
}

void TestWindowRegistry::topLevelWindows() {
    registry().define(
        "cfgform", [] { return new Finestra; }, WindowKind::TopLevel);
    QWidget* w = registry().window("cfgform");
    QVERIFY(!registry().subWindow("cfgform"));
    QVERIFY(w->isWindow());
    QCOMPARE(w->parentWidget(), main_);
    QVERIFY(w->isHidden());
    registry().visform("cfgform");
    QVERIFY(w->isVisible());
}

// Positions are frames (the offscreen platform draws one too), within the screen's
// available area; the main window is placed relative to that area.
void TestWindowRegistry::topLevelWindowsStandOverTheMainWindow_data() {
    QTest::addColumn<QRect>("main"); // from the area's top left
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("centred"); // else pushed inside the area
    QTest::newRow("centred over the main window")
        << QRect(100, 50, 500, 400) << QSize(300, 200) << true;
    QTest::newRow("kept on the screen at the right and bottom")
        << QRect(-1, -1, 300, 200) << QSize(400, 300) << false; // -1: at the far corner
    QTest::newRow("kept on the screen at the left and top")
        << QRect(0, 0, 200, 100) << QSize(400, 300) << false;
    QTest::newRow("larger than the screen: shrunk to it")
        << QRect(0, 0, 300, 200) << QSize(5000, 5000) << false;
}

void TestWindowRegistry::topLevelWindowsStandOverTheMainWindow() {
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(bool, centred);
    const QRect area = main_->screen()->availableGeometry();
    if (main.left() < 0)
        main.moveTopLeft({area.width() - main.width(), area.height() - main.height()});
    main_->setGeometry(main.translated(area.topLeft()));
    registry().define(
        "about",
        [size] {
            auto* w = new Finestra;
            w->resize(size);
            return w;
        },
        WindowKind::TopLevel);
    QWidget* w = registry().show("about");
    QCOMPARE(w->windowType(), Qt::Dialog); // the window manager keeps it above the main window
    QCOMPARE(w->parentWidget(), main_);
    const QRect placed = w->frameGeometry();
    QVERIFY2(area.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                   .arg(placed.x())
                                                   .arg(placed.y())
                                                   .arg(placed.width())
                                                   .arg(placed.height())));
    const QPoint offset = placed.center() - main_->frameGeometry().center();
    QCOMPARE(offset.manhattanLength() <= 1, centred);
    // Moved by the user, it stays where it was put when shown again.
    w->move(area.topLeft() + QPoint(10, 10));
    registry().visform("about");
    QCOMPARE(w->pos(), area.topLeft() + QPoint(10, 10));
}

// Sizes as parts of the screen's available area, so that the cases hold on any screen.
void TestWindowRegistry::childWindowsFitTheirContent_data() {
    QTest::addColumn<QSizeF>("main");
    QTest::addColumn<QSizeF>("least");
    QTest::addColumn<QSizeF>("asked");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<bool>("grows");   // the main window
    QTest::addColumn<bool>("scrolls"); // the client area
    QTest::newRow("room enough: as asked, the main window as it was")
        << QSizeF(0.8, 0.8) << QSizeF(0.2, 0.2) << QSizeF(0.4, 0.3) << false << false << false;
    QTest::newRow("taller than the client area: the main window grows to hold it")
        << QSizeF(0.5, 0.5) << QSizeF(0.3, 0.6) << QSizeF(0.3, 0.7) << false << true << false;
    QTest::newRow("asking for more than the screen: as much as it holds")
        << QSizeF(0.5, 0.5) << QSizeF(0.2, 0.2) << QSizeF(2, 2) << false << true << false;
    QTest::newRow("needing more than the screen: whole, the client area scrolls")
        << QSizeF(0.5, 0.5) << QSizeF(1.5, 1.2) << QSizeF(1.5, 1.2) << false << true << true;
    QTest::newRow("maximised in too small a client area: whole, it scrolls")
        << QSizeF(0.5, 0.5) << QSizeF(1.5, 1.2) << QSizeF(1.5, 1.2) << true << true << true;
}

void TestWindowRegistry::childWindowsFitTheirContent() {
    QFETCH(QSizeF, main);
    QFETCH(QSizeF, least);
    QFETCH(QSizeF, asked);
    QFETCH(bool, maximised);
    QFETCH(bool, grows);
    QFETCH(bool, scrolls);
    const QRect desk = main_->screen()->availableGeometry();
    const auto part = [&](QSizeF f) {
        return QSize(int(f.width() * desk.width()), int(f.height() * desk.height()));
    };
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    main_->setGeometry(QRect(desk.topLeft(), part(main)));
    QTest::qWait(50);
    const QSize before = main_->size();
    registry().define("situ", [&] { return new Contenuto(part(least), part(asked)); });
    QWidget* w = registry().show("situ");
    QMdiSubWindow* sub = registry().subWindow("situ");
    if (maximised) sub->showMaximized();
    QTest::qWait(50);

    QVERIFY(w->width() >= part(least).width() && w->height() >= part(least).height());
    QCOMPARE(main_->size() != before, grows);
    QVERIFY2(desk.contains(main_->frameGeometry()), qPrintable(text(main_->frameGeometry())));
    QCOMPARE(area_->verticalScrollBar()->isVisible(), scrolls);
    QCOMPARE(area_->horizontalScrollBar()->isVisible(), scrolls);
    // Scrolled to the end, the client area shows the window's far corner.
    area_->verticalScrollBar()->setValue(area_->verticalScrollBar()->maximum());
    area_->horizontalScrollBar()->setValue(area_->horizontalScrollBar()->maximum());
    QTest::qWait(20);
    const QRect corner(w->mapTo(area_->viewport(), w->rect().bottomRight()), QSize(1, 1));
    QVERIFY2(area_->viewport()->rect().contains(corner), qPrintable(text(corner)));
}

QTEST_MAIN(TestWindowRegistry)
#include "test_windowregistry.moc"
