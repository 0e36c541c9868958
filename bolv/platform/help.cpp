#include "help.h"

#include "windowregistry.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace platform {

namespace {
QString& pagesFolder() {
    static QString folder;
    return folder;
}

QString pageOf(const QString& file) {
    return QStringLiteral("qrc") + pagesFolder() + QLatin1Char('/') + file;
}

QString topicPage(int context) {
    return pageOf(QStringLiteral("contesto-%1.html").arg(context));
}

QString resourcePath(const QString& page) {
    return page.startsWith(QStringLiteral("qrc:")) ? page.mid(3) : page;
}

QString pageHtml(const QString& page) {
    QFile f(resourcePath(page));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString pageTitle(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = title.match(html);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

QString plainOf(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

// Every page in contents order: the contents, the topics by context, the index.
QStringList allPages() {
    QStringList pages{helpContentsPage()};
    for (int c : helpContexts())
        pages << topicPage(c);
    pages << helpIndexPage();
    return pages;
}

// page empty: the page shown stays (the contents when none is).
void request(HelpRequest::Kind kind, int context, const QString& page) {
    if (HelpSeam* seam = HelpSeam::active()) {
        const QString shown =
            !page.isEmpty() ? page
                            : (seam->requests().isEmpty() ? helpContentsPage()
                                                          : seam->requests().constLast().page);
        seam->record({kind, context, shown});
        return;
    }
    HelpWindow* w = HelpWindow::instance();
    if (!w->isVisible()) centreOver(w, registry().mainWindow());
    if (!page.isEmpty())
        w->showPage(page);
    else if (w->currentPage().isEmpty())
        w->showPage(helpContentsPage());
    w->show();
    w->raise();
    w->activateWindow();
    if (kind == HelpRequest::Index || kind == HelpRequest::Search) w->focusSearch();
}
} // namespace

void setHelpPages(const QString& folder) {
    pagesFolder() = folder;
}

QString helpContentsPage() {
    return pageOf(QStringLiteral("indice.html"));
}

QString helpIndexPage() {
    return pageOf(QStringLiteral("indice-analitico.html"));
}

bool helpTopicExists(int context) {
    return QFile::exists(resourcePath(topicPage(context)));
}

QString helpPage(int context) {
    return helpTopicExists(context) ? topicPage(context) : helpContentsPage();
}

QList<int> helpContexts() {
    QList<int> contexts;
    if (pagesFolder().isEmpty()) return contexts;
    static const QRegularExpression name(QStringLiteral("^contesto-(\\d+)\\.html$"));
    for (const QString& file : QDir(pagesFolder()).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(file);
        if (m.hasMatch()) contexts << m.captured(1).toInt();
    }
    std::sort(contexts.begin(), contexts.end());
    return contexts;
}

void showHelpTopic(int context) {
    request(HelpRequest::Topic, context, helpPage(context));
}
void showHelpContents() {
    request(HelpRequest::Contents, 0, helpContentsPage());
}
void showHelpIndex() {
    request(HelpRequest::Index, 0, helpIndexPage());
}
void showHelpSearch() {
    request(HelpRequest::Search, 0, {});
}

QList<QPair<QString, QString>> searchHelp(const QString& query) {
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<QPair<QString, QString>> found;
    if (words.isEmpty()) return found;
    for (const QString& page : allPages()) {
        const QString html = pageHtml(page);
        const QString text = plainOf(html);
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return text.contains(w, Qt::CaseInsensitive);
        });
        if (all) found.append({page, pageTitle(html)});
    }
    return found;
}

// A dialog of the main window, so it stays above it.
HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setupUi();
}

void HelpWindow::setupUi() {
    setObjectName(QStringLiteral("guida"));
    setWindowTitle(QStringLiteral("Guida di ") + QGuiApplication::applicationDisplayName());
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("pagina"));
    browser_->setOpenLinks(true);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("cerca"));
    search_->setPlaceholderText(QStringLiteral("Parole da cercare"));
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("risultati"));

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Cerca:"), this));
    side->addWidget(search_);
    side->addWidget(results_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side, 1);
    layout->addWidget(browser_, 3);
    resize(760, 520);

    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
}

void HelpWindow::showPage(const QString& page) {
    browser_->setSource(QUrl(page));
}

QString HelpWindow::currentPage() const {
    return browser_->source().toString();
}

void HelpWindow::focusSearch() {
    search_->setFocus();
    search_->selectAll();
}

void HelpWindow::runSearch() {
    results_->clear();
    const auto found = searchHelp(search_->text());
    for (const auto& [page, title] : found) {
        auto* item = new QListWidgetItem(title.isEmpty() ? page : title, results_);
        item->setData(Qt::UserRole, page);
    }
    if (found.isEmpty()) {
        auto* none = new QListWidgetItem(QStringLiteral("Nessun argomento trovato."), results_);
        none->setFlags(Qt::NoItemFlags);
    }
}

HelpWindow* HelpWindow::instance() {
    static QPointer<HelpWindow> window;
    if (!window) window = new HelpWindow(registry().mainWindow());
    return window;
}

} // namespace platform
