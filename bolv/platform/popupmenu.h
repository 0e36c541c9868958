// Popup menus at the mouse position. The menu runs modally, as the windows
// expect: the chosen entry's handler has run when popup() returns.
//
// Seam: while a PopupSeam exists no menu appears; it records the menus asked
// for and triggers the entry named by its queue (or none).
#pragma once

#include "seam.h"

#include <QString>
#include <QStringList>
#include <deque>

class QMenu;
class QAction;

namespace platform {

// Pops the menu up at the mouse pointer; returns the entry chosen, or null.
QAction* popup(QMenu* menu);

class PopupSeam : public Seam<PopupSeam> {
  public:
    // The next popup triggers the entry with this object name (empty: none).
    void queueChoice(const QString& actionName) { choices_.push_back(actionName); }
    // Object names (or titles, when unnamed) of the menus popped up, in order.
    const QStringList& menus() const { return menus_; }

  private:
    friend QAction* popup(QMenu*);
    QStringList menus_;
    std::deque<QString> choices_;
};

} // namespace platform
