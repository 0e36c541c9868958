#include "textcolumns.h"

#include <algorithm>

namespace platform {

void TextColumns::tab(int column) {
    column = std::max(column, 1);
    // The next character would go at length + 1.
    if (current_.size() + 1 > column) newLine();
    current_ += QString(column - 1 - current_.size(), QLatin1Char(' '));
}

void TextColumns::newLine() {
    lines_ << current_;
    current_.clear();
}

QStringList TextColumns::lines() const {
    QStringList all = lines_;
    if (!current_.isEmpty()) all << current_;
    return all;
}

} // namespace platform
