// Every window of the program other than the main window exists at most once.
// A window is defined once by its name ("estremi", "info", ...) with a factory;
// the first use of the name creates it hidden (as a child of the main window's
// QMdiArea, or as a window of its own) and later uses find the same one.
//
// A window of its own is a dialog of the main window: it stays above it, and
// the first time it shows it is centred over it, wholly on the screen. A child
// window shows the first time at the size it asks for, the main window growing
// within the screen to hold it, and never smaller than its content: what the
// client area cannot hold its scroll bars reach.
//
// Closing discards the window: it disappears at once and is deleted later
// (deleteLater), so a handler of that window that closed it, directly or
// through the recomputation, runs on to its end. The next use creates it
// afresh. Every way of closing a window (close(), closeOpen(), the user's
// close of its frame) first asks the close guard, which may hold the window
// until its running computation has stopped and then close it.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QSize;
class QWidget;

namespace platform {

enum class WindowKind {
    MdiChild, // inside the main window's client area, at its top-left corner
    TopLevel, // a window of its own over the main window (dialogs, splash)
};

// Moves (and if need be shrinks) a window so that it stands centred over the
// owner's window, or the screen's centre when the owner is null or hidden, and
// wholly within the screen's available area, frame included.
void centreOver(QWidget* window, const QWidget* owner);
// A window of its own that stays above owner (its transient dialog); null: none.
void makeDialogOf(QWidget* window, QWidget* owner);
// Grows the main window, when it is in its normal state, until its client area holds
// room, within the screen's available area; the room the client area then has.
QSize growToHold(QMainWindow* main, const QMdiArea* area, QSize room);

class WindowRegistry {
  public:
    using Factory = std::function<QWidget*()>;
    // True when the window (a frame) cannot go yet; the guard then calls retry
    // once it can.
    using CloseGuard = std::function<bool(QWidget* frame, std::function<void()> retry)>;

    static WindowRegistry& instance();

    void setMainWindow(QMainWindow* main, QMdiArea* area);
    QMainWindow* mainWindow() const { return main_; }
    QMdiArea* mdiArea() const { return area_; }

    void define(const QString& name, Factory make, WindowKind kind = WindowKind::MdiChild);
    template <class W> void define(const QString& name, WindowKind kind = WindowKind::MdiChild) {
        define(
            name, [] { return new W; }, kind);
    }
    bool isDefined(const QString& name) const { return definitions_.contains(name); }

    // The one window of that name, created hidden when not open; null when
    // the name is not defined.
    QWidget* window(const QString& name);
    template <class W> W* window(const QString& name) { return dynamic_cast<W*>(window(name)); }
    // The window when open, else null (never creates).
    QWidget* existing(const QString& name) const;
    bool isOpen(const QString& name) const { return existing(name) != nullptr; }
    QStringList openNames() const;

    // "show W": create when needed and show, modeless.
    QWidget* show(const QString& name);
    // "bring up W" (visform): show, restore to the normal state, give it the focus.
    QWidget* visform(const QString& name);
    // Discard the window when open: hidden now, deleted later; or, when the
    // close guard holds it, once the guard lets it go.
    void close(const QString& name);
    // Close, in this order, those of the names that are open.
    void closeOpen(const QStringList& names);

    // The frame that shows the window: its QMdiSubWindow, or the window itself.
    QWidget* frame(const QString& name) const;
    QMdiSubWindow* subWindow(const QString& name) const;
    // Forget every window and definition (tests); the close guard stays.
    void reset();
    void setCloseGuard(CloseGuard guard) { guard_ = std::move(guard); }
    // Asks the close guard about frame: true when it holds the window back.
    bool holdsBack(QWidget* frame, std::function<void()> retry) const;

  private:
    struct Definition {
        Factory make;
        WindowKind kind;
    };
    struct Entry {
        QPointer<QWidget> window;
        QPointer<QWidget> frame;
    };
    friend class RegistryCloseWatcher;
    void forget(QWidget* frame);

    QMainWindow* main_ = nullptr;
    QMdiArea* area_ = nullptr;
    QHash<QString, Definition> definitions_;
    QHash<QString, Entry> open_;
    CloseGuard guard_;
};

inline WindowRegistry& registry() {
    return WindowRegistry::instance();
}

} // namespace platform
