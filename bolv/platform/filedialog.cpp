#include "filedialog.h"

#include "messagebox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace platform {

FileDialog& commonDialog() {
    static FileDialog dialog;
    return dialog;
}

QString FileDialog::qtFilter() const {
    const QStringList parts = filter_.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '));
        entries << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString FileDialog::plainExtension() const {
    QString ext = defaultExtension_.trimmed();
    if (ext.startsWith(QLatin1Char('*'))) ext.remove(0, 1);
    if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    return ext;
}

QString FileDialog::proposedPath() const {
    if (QFileInfo(fileName_).isAbsolute()) return fileName_;
    const QString folder = initialFolder_.isEmpty() ? QDir::currentPath() : initialFolder_;
    return QDir(folder).filePath(fileName_);
}

bool FileDialog::show(Mode mode) {
    if (FileDialogSeam* seam = FileDialogSeam::active()) {
        seam->requests_.append(
            {mode, title_, filter_, defaultExtension_, fileName_, initialFolder_});
        if (seam->choices_.empty()) return false;
        const std::optional<QString> choice = seam->choices_.front();
        seam->choices_.pop_front();
        if (!choice) return false;
        fileName_ = *choice;
        return true;
    }
    QFileDialog dialog(boxParent(), title_);
    dialog.setAcceptMode(mode == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode == Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The callers ask their own question about an existing file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(qtFilter());
    dialog.setDefaultSuffix(plainExtension());
    if (fileName_.isEmpty()) {
        // No name proposed: the dialog opens in the folder itself, with nothing typed in
        // (not in its parent with the folder's name typed).
        dialog.setDirectory(initialFolder_.isEmpty() ? QDir::currentPath() : initialFolder_);
    } else {
        const QFileInfo proposed(proposedPath());
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName_ = dialog.selectedFiles().constFirst();
    return true;
}

} // namespace platform
