#pragma once

// Answers the modal boxes a test opens: each box that comes up is closed at once and its text
// kept, so a window's message can be read without anyone at the screen.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class RispostaModale : public QObject {
  public:
    QStringList testi;     // the text of each box, in order
    QList<QWidget*> padri; // and the window it stood over

    RispostaModale() {
        connect(&controllo_, &QTimer::timeout, this, [this] {
            QWidget* modale = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modale);
            if (!box) return;
            testi << box->text();
            padri << box->parentWidget();
            box->done(QMessageBox::Ok);
        });
        controllo_.start(5);
    }

  private:
    QTimer controllo_;
};
