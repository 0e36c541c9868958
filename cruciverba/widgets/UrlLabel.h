#pragma once

// TUrlLabel shows a web or e-mail address and opens it when clicked. Whether this desktop can
// open such links at all is asked once, at creation and at every change of the link type; a
// label that cannot open its link looks and behaves like plain text.
//
// Opening goes through LinkOpener, the stand-in for the shell: by default the desktop's own
// handler (QDesktopServices); tests install a double so no browser ever starts.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

enum class TUrlLabelType { Auto, Passive, Link };
enum class TUrlLinkType { http, mailto };

class LinkOpener {
  public:
    virtual ~LinkOpener() = default;
    // True when this desktop has a handler for web (http) or mail (mailto) addresses.
    virtual bool canOpen(TUrlLinkType kind) const = 0;
    // Opens an address with its scheme; backslashes count as slashes, as for the shell. False
    // when no program could be started for it.
    virtual bool open(const QString& address) = 0;
};

// The opener every label and dialog uses; installLinkOpener(nullptr) restores the desktop's.
LinkOpener& linkOpener();
void installLinkOpener(LinkOpener* opener);

// Opens an address through linkOpener(); when no browser (or mail program) starts, tells the
// user so in a short message over parent.
void openLink(QWidget* parent, const QString& address);
// That message, for an address with its scheme.
QString cannotOpenMessage(const QString& address);

// A label font carries its colour, as the fonts of the labels' look do.
struct LabelFont {
    QFont font;
    QColor color;
};

class TUrlLabel : public QLabel {
    Q_OBJECT

  public:
    static const QString WebPlaceholder;
    static const QString MailPlaceholder;

    explicit TUrlLabel(QWidget* parent = nullptr);

    const LabelFont& linkFont() const { return linkFont_; }
    void setLinkFont(const LabelFont& font);
    const LabelFont& passiveFont() const { return passiveFont_; }
    void setPassiveFont(const LabelFont& font);
    const QString& url() const { return url_; }
    void setURL(const QString& address);
    void setCaption(const QString& caption);
    bool urlAsHint() const { return urlAsHint_; }
    void setURLAsHint(bool value);
    bool showPrefix() const { return showPrefix_; }
    void setShowPrefix(bool value);
    TUrlLabelType labelType() const { return labelType_; }
    void setLabelType(TUrlLabelType value);
    TUrlLinkType linkType() const { return linkType_; }
    void setLinkType(TUrlLinkType value);

    // Live: shows the link font and a hand pointer, and a click opens the address. A dead label
    // keeps the link font's face and size, in the passive font's colour and underline, so its
    // text has the same size and baseline either way.
    bool isLive() const;
    // The address a click opens: the scheme prefix and URL.
    QString address() const;

  signals:
    void OnClick();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void checkAvailability();
    void refreshShownText();
    void applyAppearance();
    void applyHint();
    QString prefix() const;

    LabelFont linkFont_;
    LabelFont passiveFont_;
    QString url_;
    QString shownText_;
    bool captionSet_ = false;
    bool linkAvailable_ = false;
    bool urlAsHint_ = true;
    bool showPrefix_ = false;
    TUrlLabelType labelType_ = TUrlLabelType::Auto;
    TUrlLinkType linkType_ = TUrlLinkType::http;
    bool pressed_ = false;
};
