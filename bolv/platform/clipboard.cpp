#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}
void setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
void clearClipboard() {
    QGuiApplication::clipboard()->clear();
}
bool clipboardHasText() {
    return !clipboardText().isEmpty();
}

} // namespace platform
