#include "messagebox.h"

#include "windowregistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>

namespace platform {

namespace {
QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The windows end a line with a carriage return alone; Qt breaks on line feeds.
QString shownText(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
} // namespace

QString defaultTitle() {
    return QGuiApplication::applicationDisplayName();
}

QWidget* boxParent() {
    if (QMainWindow* main = registry().mainWindow(); main && main->isVisible()) return main;
    return QApplication::activeWindow();
}

Answer messageBox(const QString& text, Buttons buttons, Icon icon, const QString& title) {
    if (BoxSeam* seam = BoxSeam::active()) {
        seam->shown_.append({ShownBox::Message, text, title, buttons, icon, {}});
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (seam->answers_.empty()) return seam->defaultAnswer_;
        const Answer a = seam->answers_.front();
        seam->answers_.pop_front();
        return a;
    }
    QMessageBox box(qtIcon(icon), title, shownText(text),
                    buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
                    boxParent());
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("&Sì"));
    if (QAbstractButton* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("&No"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
}

void message(const QString& text, const QString& title, Icon icon) {
    messageBox(text, Buttons::Ok, icon, title);
}

bool ask(const QString& text, const QString& title, Icon icon) {
    return messageBox(text, Buttons::YesNo, icon, title) == Answer::Yes;
}

QString inputBox(const QString& prompt, const QString& title, const QString& proposed) {
    if (BoxSeam* seam = BoxSeam::active()) {
        seam->shown_.append({ShownBox::Input, prompt, title, Buttons::Ok, Icon::None, proposed});
        if (seam->inputs_.empty()) return {};
        const QString a = seam->inputs_.front();
        seam->inputs_.pop_front();
        return a;
    }
    QInputDialog dialog(boxParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(shownText(prompt));
    dialog.setTextValue(proposed);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QStringList BoxSeam::texts() const {
    QStringList t;
    for (const ShownBox& b : shown_)
        t << b.text;
    return t;
}

} // namespace platform
