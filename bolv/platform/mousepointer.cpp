#include "mousepointer.h"

#include "windowregistry.h"

#include <QMainWindow>
#include <QWidget>

namespace platform {

namespace {
QWidget* target(QWidget* window) {
    return window ? window : static_cast<QWidget*>(registry().mainWindow());
}
} // namespace

void setMousePointer(QWidget* window, Pointer pointer) {
    QWidget* w = target(window);
    if (!w) return;
    switch (pointer) {
    case Pointer::Default:
        w->unsetCursor();
        break;
    case Pointer::Hourglass:
        w->setCursor(Qt::WaitCursor);
        break;
    case Pointer::ArrowHourglass:
        w->setCursor(Qt::BusyCursor);
        break;
    }
}

Pointer mousePointer(const QWidget* window) {
    const QWidget* w = window ? window : registry().mainWindow();
    if (!w || !w->testAttribute(Qt::WA_SetCursor)) return Pointer::Default;
    switch (w->cursor().shape()) {
    case Qt::WaitCursor:
        return Pointer::Hourglass;
    case Qt::BusyCursor:
        return Pointer::ArrowHourglass;
    default:
        return Pointer::Default;
    }
}

} // namespace platform
