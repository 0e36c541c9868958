#include "popupmenu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace platform {

namespace {
QAction* findAction(QMenu* menu, const QString& name) {
    for (QAction* a : menu->actions()) {
        if (a->objectName() == name) return a;
        if (a->menu())
            if (QAction* inner = findAction(a->menu(), name)) return inner;
    }
    return nullptr;
}
} // namespace

QAction* popup(QMenu* menu) {
    if (!menu) return nullptr;
    if (PopupSeam* seam = PopupSeam::active()) {
        seam->menus_ << (menu->objectName().isEmpty() ? menu->title() : menu->objectName());
        if (seam->choices_.empty()) return nullptr;
        const QString name = seam->choices_.front();
        seam->choices_.pop_front();
        QAction* chosen = name.isEmpty() ? nullptr : findAction(menu, name);
        if (chosen && chosen->isEnabled()) chosen->trigger();
        return chosen;
    }
    return menu->exec(QCursor::pos());
}

} // namespace platform
