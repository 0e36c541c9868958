// Clipboard text. Under the offscreen platform the clipboard is kept inside
// the process, so tests set and read it through these same calls.
#pragma once

#include <QString>

namespace platform {

QString clipboardText();
void setClipboardText(const QString& text);
void clearClipboard();
bool clipboardHasText(); // a non-empty text

} // namespace platform
