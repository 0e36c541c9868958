// The program's help: topics, one per help context number of the windows,
// plus contents, index and search, in HTML pages the program gives from its
// resources, shown in one help window (a QTextBrowser) titled after the
// application's display name. A context without a topic shows the contents,
// silently.
//
// Seam: while a HelpSeam exists no help window opens; it records the page
// each request resolved to.
#pragma once

#include "seam.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QLineEdit;
class QListWidget;

namespace platform {

// The resource folder of the pages (":/guida"): "indice.html" is the
// contents, "indice-analitico.html" the index, "contesto-N.html" the topic of
// context N. Set at start-up, before any help is asked for.
void setHelpPages(const QString& folder);

// The page of a context ("qrc:/guida/contesto-7.html"), or the contents page
// when there is no topic for it.
QString helpPage(int context);
bool helpTopicExists(int context);
QList<int> helpContexts(); // the contexts that have a topic

QString helpContentsPage();
QString helpIndexPage();

void showHelpTopic(int context);
void showHelpContents();
void showHelpIndex(); // the index, with the search field ready
// The search field of the help window, over the page it shows (the contents
// when it shows none), as the index leaves it.
void showHelpSearch();

// The pages whose text holds every word of the query (case ignored), as
// (page, title) pairs in contents order.
QList<QPair<QString, QString>> searchHelp(const QString& query);

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(const QString& page);
    void focusSearch();
    QString currentPage() const;
    static HelpWindow* instance(); // created on first use

  private:
    void setupUi();
    void runSearch();

    QTextBrowser* browser_;
    QLineEdit* search_;
    QListWidget* results_;
};

struct HelpRequest {
    enum Kind { Topic, Contents, Index, Search } kind;
    int context = 0;
    QString page; // the page it resolved to
};

class HelpSeam : public Seam<HelpSeam> {
  public:
    const QList<HelpRequest>& requests() const { return requests_; }
    void record(const HelpRequest& r) { requests_.append(r); }

  private:
    QList<HelpRequest> requests_;
};

} // namespace platform
