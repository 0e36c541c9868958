// Lines of text laid out in character columns, as a fixed-pitch report is
// printed: tab(c) continues the line at column c (columns count from 1; a
// value below 1 means 1), padding with blanks; when the line already reaches
// past column c, the text goes on at column c of the next line.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

class TextColumns {
  public:
    void write(const QString& text) { current_ += text; }
    void tab(int column);
    void newLine();
    // The finished lines, then the unfinished one when it is not empty.
    QStringList lines() const;
    const QStringList& finishedLines() const { return lines_; }

  private:
    QStringList lines_;
    QString current_;
};

} // namespace platform
