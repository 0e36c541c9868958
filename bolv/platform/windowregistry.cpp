#include "windowregistry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace platform {

// Forgets a window as soon as the user's close is accepted, not when its
// deferred deletion finally runs, so the next use creates a fresh one.
class RegistryCloseWatcher : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
        auto* frame = static_cast<QWidget*>(watched);
        QPointer<QWidget> held(frame);
        if (registry().holdsBack(frame, [held] {
                if (held) held->close();
            })) {
            event->ignore();
            return true;
        }
        // Let the window decide first; the close goes on (hide, deleteLater)
        // as the window left it.
        static_cast<QObject*>(watched)->event(event);
        if (event->isAccepted()) registry().forget(static_cast<QWidget*>(watched));
        return true;
    }
};

namespace {
RegistryCloseWatcher& closeWatcher() {
    static RegistryCloseWatcher* watcher = new RegistryCloseWatcher;
    return *watcher;
}

const char* const placedProperty = "platformPlaced";

// What the window manager adds around a window: the window's own frame once it
// has been shown, else that of the owner, framed by the same manager.
QMargins frameOf(const QWidget* w) {
    const QRect outer = w->frameGeometry(), inner = w->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// Before the window manager has framed a window: a frame as the style draws a child
// window's, its title bar on top.
QMargins frameGuess(const QWidget* w) {
    const int side = w->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, w);
    const int title = w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w);
    return {side, title + side, side, side};
}

// A window shown for the first time: a window of its own stands over the main window; a
// child window of the client area takes the size it asks for, the main window growing
// within the screen to hold it, and is never made smaller than its content (beyond the
// client area the area's scroll bars show the rest).
void placeOnFirstShow(QWidget* frame, QMainWindow* main, const QMdiArea* area) {
    if (frame->isVisible() || frame->property(placedProperty).toBool()) return;
    if (frame->isWindow()) {
        centreOver(frame, main);
    } else if (area && frame->parentWidget() == area->viewport()) {
        frame->setMinimumSize(frame->minimumSizeHint());
        const QSize room = growToHold(main, area, frame->sizeHint());
        frame->resize(frame->sizeHint().boundedTo(room).expandedTo(frame->minimumSize()));
    }
    frame->setProperty(placedProperty, true);
}
} // namespace

QSize growToHold(QMainWindow* main, const QMdiArea* area, QSize room) {
    // The room the area shows, beside the scroll bars it has; before it is first shown,
    // the room it will have.
    QSize now = area->isVisible() ? area->viewport()->size() : area->maximumViewportSize();
    if (!main || main->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return now;
    QScreen* screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen();
    if (!screen) return now;
    const QRect desk = screen->availableGeometry();
    const QMargins frame = main->isVisible() ? frameOf(main) : frameGuess(main);
    const QSize wanted =
        (main->size() + room.expandedTo(now) - now).boundedTo(desk.size().shrunkBy(frame));
    if (wanted.width() <= main->width() && wanted.height() <= main->height()) return now;
    const QSize grown = wanted.expandedTo(main->size());
    now += grown - main->size();
    main->resize(grown);
    if (main->isVisible()) {
        // Grown to the right and down: moved back, if need be, wholly onto the screen.
        QRect outer(main->frameGeometry().topLeft(), grown.grownBy(frame));
        outer.moveRight(std::min(outer.right(), desk.right()));
        outer.moveBottom(std::min(outer.bottom(), desk.bottom()));
        main->move(outer.topLeft());
    }
    return now;
}

void centreOver(QWidget* window, const QWidget* owner) {
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const QWidget* over = owner && owner->isVisible() ? owner->window() : nullptr;
    QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame =
        window->isVisible() ? frameOf(window) : (over ? frameOf(over) : QMargins());
    const QSize room = area.size().shrunkBy(frame);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(over ? over->frameGeometry().center() : area.center());
    outer.moveLeft(std::clamp(outer.left(), area.left(), area.right() + 1 - outer.width()));
    outer.moveTop(std::clamp(outer.top(), area.top(), area.bottom() + 1 - outer.height()));
    window->move(outer.topLeft()); // a window's position is that of its frame
}

void makeDialogOf(QWidget* window, QWidget* owner) {
    // Only a dialog is kept above its owner by the window manager (a transient
    // window); a plain window of its own falls behind when the owner is clicked.
    window->setParent(owner, (window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
}

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::setMainWindow(QMainWindow* main, QMdiArea* area) {
    main_ = main;
    area_ = area;
}

void WindowRegistry::define(const QString& name, Factory make, WindowKind kind) {
    definitions_.insert(name, {std::move(make), kind});
}

QWidget* WindowRegistry::existing(const QString& name) const {
    auto it = open_.constFind(name);
    if (it == open_.constEnd() || !it->window || !it->frame) return nullptr;
    return it->window;
}

QStringList WindowRegistry::openNames() const {
    QStringList names;
    for (auto it = open_.constBegin(); it != open_.constEnd(); ++it)
        if (it->window && it->frame) names << it.key();
    return names;
}

QWidget* WindowRegistry::window(const QString& name) {
    if (QWidget* w = existing(name)) return w;
    auto def = definitions_.constFind(name);
    if (def == definitions_.constEnd()) return nullptr;
    QWidget* w = def->make();
    if (w->objectName().isEmpty()) w->setObjectName(name);
    QWidget* frame = w;
    if (def->kind == WindowKind::MdiChild && area_) {
        QMdiSubWindow* sub = area_->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->hide();
        sub->move(0, 0); // the client area's top-left corner
        frame = sub;
    } else {
        if (main_) makeDialogOf(w, main_);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->hide();
    }
    frame->installEventFilter(&closeWatcher());
    open_.insert(name, {w, frame});
    return w;
}

QWidget* WindowRegistry::frame(const QString& name) const {
    auto it = open_.constFind(name);
    return it == open_.constEnd() || !it->window ? nullptr : it->frame.data();
}

QMdiSubWindow* WindowRegistry::subWindow(const QString& name) const {
    return qobject_cast<QMdiSubWindow*>(frame(name));
}

QWidget* WindowRegistry::show(const QString& name) {
    QWidget* w = window(name);
    if (!w) return nullptr;
    QWidget* f = frame(name);
    placeOnFirstShow(f, main_, area_); // a child window shows with its widget
    if (f != w) w->show();
    f->show();
    f->raise();
    return w;
}

QWidget* WindowRegistry::visform(const QString& name) {
    QWidget* w = window(name);
    if (!w) return nullptr;
    QWidget* f = frame(name);
    placeOnFirstShow(f, main_, area_); // a child window shows with its widget
    if (f != w) w->show();
    f->showNormal();
    if (QMdiSubWindow* sub = subWindow(name)) area_->setActiveSubWindow(sub);
    f->raise();
    f->activateWindow();
    w->setFocus();
    return w;
}

bool WindowRegistry::holdsBack(QWidget* frame, std::function<void()> retry) const {
    return guard_ && guard_(frame, std::move(retry));
}

void WindowRegistry::close(const QString& name) {
    QPointer<QWidget> f = open_.value(name).frame;
    if (f && holdsBack(f, [this, name, f] {
            if (f && frame(name) == f) close(name);
        }))
        return;
    if (!open_.remove(name)) return;
    if (!f) return;
    // Deleted later: the handler that closed its own window runs on.
    f->removeEventFilter(&closeWatcher());
    f->hide();
    f->deleteLater();
}

void WindowRegistry::closeOpen(const QStringList& names) {
    for (const QString& name : names)
        if (isOpen(name)) close(name);
}

void WindowRegistry::forget(QWidget* frame) {
    for (auto it = open_.begin(); it != open_.end(); ++it) {
        if (it->frame == frame) {
            open_.erase(it);
            return;
        }
    }
}

void WindowRegistry::reset() {
    const QStringList names = open_.keys();
    for (const QString& name : names) {
        QPointer<QWidget> f = open_.value(name).frame;
        open_.remove(name);
        delete f.data();
    }
    definitions_.clear();
    main_ = nullptr;
    area_ = nullptr;
}

} // namespace platform
