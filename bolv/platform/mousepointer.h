// The mouse pointer of a window: the hourglass while a computation runs, the
// arrow with hourglass while it starts up, the default afterwards. Children
// without a pointer of their own show their window's.
#pragma once

class QWidget;

namespace platform {

enum class Pointer { Default, Hourglass, ArrowHourglass };

// A null window means the registered main window (nothing when there is none).
void setMousePointer(QWidget* window, Pointer pointer);
Pointer mousePointer(const QWidget* window);

} // namespace platform
