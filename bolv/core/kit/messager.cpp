#include "messager.h"

#include "mousepointer.h"
#include "windowregistry.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

namespace bolv {

namespace {
QPointer<messager> finestra;
}

messager::messager(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setupUi();
}

void messager::setupUi() {
    setObjectName(QStringLiteral("messager"));
    setWindowTitle(QStringLiteral("Bolv "));
    label_ = new QLabel;
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(progress_);
    setMinimumWidth(360);
    setAttribute(Qt::WA_DeleteOnClose);
}

messager* finestramessaggio() {
    return finestra;
}

void mostramessaggio(const QString& testo) {
    if (!finestra) {
        finestra = new messager(platform::registry().mainWindow());
        platform::centreOver(finestra, platform::registry().mainWindow());
    }
    finestra->show();
    finestra->raise();
    finestra->Label1()->setText(testo);
    // The computation that follows holds the event loop: paint now.
    finestra->repaint();
    platform::setMousePointer(nullptr, platform::Pointer::Hourglass);
}

void chiudimessaggio() {
    if (finestra) {
        messager* f = finestra;
        finestra = nullptr;
        f->hide();
        f->deleteLater();
    }
    platform::setMousePointer(nullptr, platform::Pointer::Default);
}

void etichettamessaggio(const QString& testo) {
    if (!finestra) return;
    finestra->Label1()->setText(testo);
    finestra->Label1()->repaint();
}

void progressomessaggio(double percento) {
    if (!finestra) return;
    finestra->ProgressBar1()->setValue(static_cast<int>(std::clamp(percento, 0.0, 100.0)));
}

} // namespace bolv
