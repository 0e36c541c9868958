// Message boxes and input boxes as the windows use them: a text, a title
// that defaults to the application's display name, OK or Yes/No, an optional icon.
//
// Seam: while a BoxSeam exists no box appears; it records every box asked
// for and answers questions and input boxes from its queues.
#pragma once

#include "seam.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace platform {

QString defaultTitle(); // QGuiApplication::applicationDisplayName()

enum class Buttons { Ok, YesNo };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Yes, No, Cancel };

// A box with OK only. Lone carriage returns in the text show as line breaks.
void message(const QString& text, const QString& title = defaultTitle(), Icon icon = Icon::None);
// A Yes/No question; true only when the answer is Yes.
bool ask(const QString& text, const QString& title = defaultTitle(), Icon icon = Icon::None);
// The general form of both.
Answer messageBox(const QString& text, Buttons buttons, Icon icon = Icon::None,
                  const QString& title = defaultTitle());
// The typed answer, or an empty text when the box is cancelled.
QString inputBox(const QString& prompt, const QString& title = defaultTitle(),
                 const QString& proposed = {});

// The window boxes are shown over: the registered main window, else the active one.
QWidget* boxParent();

struct ShownBox {
    enum Kind { Message, Input } kind = Message;
    QString text;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString proposed; // input boxes only
};

class BoxSeam : public Seam<BoxSeam> {
  public:
    // Answers for Yes/No questions, in order; when none is queued the default
    // answer (No unless changed) is given.
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    void setDefaultAnswer(Answer answer) { defaultAnswer_ = answer; }
    // Typed answers for input boxes, in order; none queued: an empty text.
    void queueInput(const QString& text) { inputs_.push_back(text); }

    const QList<ShownBox>& shown() const { return shown_; }
    QStringList texts() const; // the text of every box, in order
    void clearShown() { shown_.clear(); }

  private:
    friend Answer messageBox(const QString&, Buttons, Icon, const QString&);
    friend QString inputBox(const QString&, const QString&, const QString&);

    QList<ShownBox> shown_;
    std::deque<Answer> answers_;
    std::deque<QString> inputs_;
    Answer defaultAnswer_ = Answer::No;
};

} // namespace platform
