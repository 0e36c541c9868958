// The program's one file dialog: the caller sets title, filter, default
// extension and proposed name each time, shows it to open or to save, and
// reads the chosen name back. Cancelling is told apart from a choice.
//
// Seam: while a FileDialogSeam exists no dialog appears; it records each
// request and answers from its queue (a name, or a cancel).
#pragma once

#include "seam.h"

#include <QList>
#include <QString>
#include <deque>
#include <optional>

namespace platform {

class FileDialog {
  public:
    enum class Mode { Open, Save };

    void setTitle(const QString& title) { title_ = title; }
    // In the windows' form: "File di testo (*.txt)|*.txt", pairs separated by "|".
    void setFilter(const QString& filter) { filter_ = filter; }
    // "*.txt", ".txt" or "txt": added to a name typed without extension.
    void setDefaultExtension(const QString& ext) { defaultExtension_ = ext; }
    // A bare name is proposed in the initial folder; a path stands on its own.
    void setFileName(const QString& name) { fileName_ = name; }
    void setInitialFolder(const QString& folder) { initialFolder_ = folder; }

    const QString& title() const { return title_; }
    const QString& filter() const { return filter_; }
    const QString& defaultExtension() const { return defaultExtension_; }
    const QString& fileName() const { return fileName_; }
    const QString& initialFolder() const { return initialFolder_; }

    // True when a name was chosen (then fileName() is its full path), false on
    // cancel (fileName() keeps what it held). The save dialog asks nothing
    // about an existing file: the callers ask their own question.
    bool showOpen() { return show(Mode::Open); }
    bool showSave() { return show(Mode::Save); }
    bool show(Mode mode);

    // The filter in Qt's form ("File di testo (*.txt)"), one entry per pair.
    QString qtFilter() const;
    // The extension without "*." or ".", e.g. "txt".
    QString plainExtension() const;
    // Where the dialog opens: the proposed name in the initial folder.
    QString proposedPath() const;

  private:
    QString title_, filter_, defaultExtension_, fileName_, initialFolder_;
};

// The one dialog every window shares (the name stays from one use to the next).
FileDialog& commonDialog();

struct FileRequest {
    FileDialog::Mode mode;
    QString title, filter, defaultExtension, fileName, initialFolder;
};

class FileDialogSeam : public Seam<FileDialogSeam> {
  public:
    // The next dialog chooses this path (absolute, used as given).
    void queueChoice(const QString& path) { choices_.push_back(path); }
    // The next dialog is cancelled. With nothing queued every dialog cancels.
    void queueCancel() { choices_.push_back(std::nullopt); }

    const QList<FileRequest>& requests() const { return requests_; }

  private:
    friend class FileDialog;
    QList<FileRequest> requests_;
    std::deque<std::optional<QString>> choices_;
};

} // namespace platform
