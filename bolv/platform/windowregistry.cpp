#include "windowregistry.h"

#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace platform {

// Forgets a window as soon as the user's close is accepted, not when its
// deferred deletion finally runs, so the next use creates a fresh one.
class RegistryCloseWatcher : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
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
} // namespace

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
        if (main_) w->setParent(main_, w->windowFlags() | Qt::Window);
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
    if (f != w) w->show();
    f->show();
    f->raise();
    return w;
}

QWidget* WindowRegistry::visform(const QString& name) {
    QWidget* w = window(name);
    if (!w) return nullptr;
    QWidget* f = frame(name);
    if (f != w) w->show();
    f->showNormal();
    if (QMdiSubWindow* sub = subWindow(name)) area_->setActiveSubWindow(sub);
    f->raise();
    f->activateWindow();
    w->setFocus();
    return w;
}

void WindowRegistry::close(const QString& name) {
    auto it = open_.find(name);
    if (it == open_.end()) return;
    QPointer<QWidget> f = it->frame;
    open_.erase(it);
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
