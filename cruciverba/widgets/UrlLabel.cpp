#include "UrlLabel.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The desktop's handler: xdg-open dispatches both web and mail addresses to the user's chosen
// programs, so its presence is what makes a link openable here.
class DesktopLinkOpener : public LinkOpener {
  public:
    bool canOpen(TUrlLinkType) const override {
        return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
    }
    bool open(const QString& address) override {
        QString withSlashes = address;
        withSlashes.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QDesktopServices::openUrl(QUrl(withSlashes, QUrl::TolerantMode));
    }
};

LinkOpener* installedOpener = nullptr;

const QString WebPrefix = QStringLiteral("http://");
const QString MailPrefix = QStringLiteral("mailto:");

} // namespace

LinkOpener& linkOpener() {
    static DesktopLinkOpener desktop;
    return installedOpener ? *installedOpener : desktop;
}

void installLinkOpener(LinkOpener* opener) {
    installedOpener = opener;
}

QString cannotOpenMessage(const QString& address) {
    const bool mail = address.startsWith(MailPrefix, Qt::CaseInsensitive);
    QString shown = address;
    shown.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QStringLiteral("Attenzione. Non trovo %1 per aprire %2 .\nInstallane uno e riprova.")
        .arg(mail ? QStringLiteral("un programma di posta elettronica")
                  : QStringLiteral("un browser web"),
             shown);
}

void openLink(QWidget* parent, const QString& address) {
    if (linkOpener().open(address)) return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Cruciverba"), cannotOpenMessage(address),
                    QMessageBox::Ok, parent);
    box.exec();
}

const QString TUrlLabel::WebPlaceholder = QStringLiteral("www.indirizzo.example");
const QString TUrlLabel::MailPlaceholder = QStringLiteral("nome@indirizzo.example");

TUrlLabel::TUrlLabel(QWidget* parent) : QLabel(parent) {
    checkAvailability();
    passiveFont_ = {font(), palette().color(QPalette::WindowText)};
    linkFont_ = {font(), QColor(0, 0, 255)};
    linkFont_.font.setUnderline(true);
    setURL(WebPlaceholder);
    applyAppearance();
    // Addresses are shown as they are: no "&" accelerators, no rich text.
    setTextFormat(Qt::PlainText);
    applyHint();
}

void TUrlLabel::setLinkFont(const LabelFont& font) {
    linkFont_ = font;
    applyAppearance();
}

void TUrlLabel::setPassiveFont(const LabelFont& font) {
    passiveFont_ = font;
    applyAppearance();
}

void TUrlLabel::setURL(const QString& address) {
    if (address == url_) return;
    // An address with both "@" and "/" is a web page (a user name in a path, say).
    if (address.contains(QLatin1Char('@'))) linkType_ = TUrlLinkType::mailto;
    if (address.contains(QLatin1Char('/'))) linkType_ = TUrlLinkType::http;
    const QString head = address.left(7).toLower();
    url_ = head == MailPrefix || head == WebPrefix ? address.mid(7) : address;
    refreshShownText();
}

void TUrlLabel::setCaption(const QString& caption) {
    captionSet_ = true;
    setText(caption);
}

void TUrlLabel::setURLAsHint(bool value) {
    if (value == urlAsHint_) return;
    urlAsHint_ = value;
    applyHint();
}

void TUrlLabel::setShowPrefix(bool value) {
    showPrefix_ = value;
    refreshShownText();
}

void TUrlLabel::setLabelType(TUrlLabelType value) {
    if (value == labelType_) return;
    labelType_ = value;
    applyAppearance();
}

void TUrlLabel::setLinkType(TUrlLinkType value) {
    if (value == linkType_) return;
    linkType_ = value;
    checkAvailability();
    if (value == TUrlLinkType::http && url_ == MailPlaceholder) url_ = WebPlaceholder;
    if (value == TUrlLinkType::mailto && url_ == WebPlaceholder) url_ = MailPlaceholder;
    refreshShownText();
}

bool TUrlLabel::isLive() const {
    return labelType_ == TUrlLabelType::Link ||
           (labelType_ == TUrlLabelType::Auto && linkAvailable_);
}

QString TUrlLabel::address() const {
    return prefix() + url_;
}

void TUrlLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a left press and release both on the label, as for a button.
void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (!clicked) return;
    emit OnClick();
    if (isLive()) openLink(this, address());
}

void TUrlLabel::checkAvailability() {
    linkAvailable_ = linkOpener().canOpen(linkType_);
}

void TUrlLabel::refreshShownText() {
    shownText_ = showPrefix_ ? address() : url_;
    if (!captionSet_) setText(shownText_);
    applyHint();
}

void TUrlLabel::applyAppearance() {
    const LabelFont& look = isLive() ? linkFont_ : passiveFont_;
    QFont shown = linkFont_.font;
    shown.setUnderline(look.font.underline());
    setFont(shown);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, look.color);
    setPalette(colours);
    if (isLive())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TUrlLabel::applyHint() {
    setToolTip(urlAsHint_ ? shownText_ : QString());
}

QString TUrlLabel::prefix() const {
    return linkType_ == TUrlLinkType::http ? WebPrefix : MailPrefix;
}
