// The seams tests use instead of real dialogs, menus, printers and help, and
// what goes through them: boxes, file dialog, popup menus, printer, help,
// pointer and clipboard.
#include "clipboard.h"
#include "filedialog.h"
#include "help.h"
#include "messagebox.h"
#include "mousepointer.h"
#include "popupmenu.h"
#include "printer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace platform;

class TestSeams : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void boxesAreRecordedAndAnswered();
    void fileDialogTellsCancelFromAChoice();
    void fileDialogFilterAndProposedName_data();
    void fileDialogFilterAndProposedName();
    void realFileDialogOpensWhereProposed_data();
    void realFileDialogOpensWhereProposed();
    void popupTriggersTheQueuedEntry();
    void printerRecordsTheJob();
    void noPrinterSaysSoAndGivesNothing();
    void printDialogCanBeCancelled();
    void helpResolvesTopicsAndFallsBackToTheContents();
    void helpIndexKeepsItsPageForTheSearch();
    void helpSearchFindsPagesWithEveryWord();
    void mousePointerShapes();
    void clipboardKeepsText();
};

// The program's name and help pages, as a program gives them at start-up.
void TestSeams::initTestCase() {
    QApplication::setApplicationDisplayName(QStringLiteral("Bolv"));
    setHelpPages(QStringLiteral(":/provaguida"));
}

void TestSeams::boxesAreRecordedAndAnswered() {
    BoxSeam seam;
    message(QStringLiteral("Nome di file non valido."));
    seam.queueAnswer(Answer::Yes);
    QVERIFY(ask(QStringLiteral("Procedere?"), QStringLiteral("Attenzione")));
    QVERIFY(!ask(QStringLiteral("Ancora?"))); // nothing queued: No
    QCOMPARE(messageBox(QStringLiteral("x"), Buttons::Ok, Icon::Critical,
                        QStringLiteral("Bolv è già in esecuzione")),
             Answer::Ok);
    seam.queueInput(QStringLiteral("12"));
    QCOMPARE(inputBox(QStringLiteral("Indicare il numero:"), QStringLiteral("Inserimento"),
                      QStringLiteral("1")),
             QStringLiteral("12"));
    QCOMPARE(inputBox(QStringLiteral("Ancora:")), QString()); // a cancel

    QCOMPARE(seam.shown().size(), 6);
    QCOMPARE(seam.shown()[0].title, QStringLiteral("Bolv"));
    QCOMPARE(seam.shown()[0].buttons, Buttons::Ok);
    QCOMPARE(seam.shown()[1].title, QStringLiteral("Attenzione"));
    QCOMPARE(seam.shown()[1].buttons, Buttons::YesNo);
    QCOMPARE(seam.shown()[3].icon, Icon::Critical);
    QCOMPARE(seam.shown()[4].kind, ShownBox::Input);
    QCOMPARE(seam.shown()[4].proposed, QStringLiteral("1"));
    QCOMPARE(seam.texts().first(), QStringLiteral("Nome di file non valido."));
}

void TestSeams::fileDialogTellsCancelFromAChoice() {
    FileDialogSeam seam;
    FileDialog dialog;
    dialog.setTitle(QStringLiteral("Salva tabella su file di testo"));
    dialog.setFileName(QStringLiteral("tabella.txt"));
    seam.queueCancel();
    seam.queueChoice(QStringLiteral("/tmp/scelto.txt"));
    QVERIFY(!dialog.showSave());
    QCOMPARE(dialog.fileName(), QStringLiteral("tabella.txt")); // kept on cancel
    QVERIFY(dialog.showOpen());
    QCOMPARE(dialog.fileName(), QStringLiteral("/tmp/scelto.txt"));
    QVERIFY(!dialog.showSave()); // nothing left queued: a cancel
    QCOMPARE(seam.requests().size(), 3);
    QCOMPARE(seam.requests()[0].mode, FileDialog::Mode::Save);
    QCOMPARE(seam.requests()[0].title, QStringLiteral("Salva tabella su file di testo"));
    QCOMPARE(seam.requests()[1].mode, FileDialog::Mode::Open);
    QCOMPARE(seam.requests()[2].fileName, QStringLiteral("/tmp/scelto.txt"));
}

void TestSeams::fileDialogFilterAndProposedName_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qtFilter");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("plain");
    QTest::newRow("text") << "File di testo (*.txt)|*.txt"
                          << "File di testo (*.txt)"
                          << "*.txt"
                          << "txt";
    QTest::newRow("description without pattern") << "Backup di Bolv|*.bolv"
                                                 << "Backup di Bolv (*.bolv)"
                                                 << ".bolv"
                                                 << "bolv";
    QTest::newRow("two pairs") << "Pronostici (*.pro)|*.pro|Tutti i file (*.*)|*.*"
                               << "Pronostici (*.pro);;Tutti i file (*.*)"
                               << "pro"
                               << "pro";
}

void TestSeams::fileDialogFilterAndProposedName() {
    QFETCH(QString, filter);
    QFETCH(QString, extension);
    FileDialog dialog;
    dialog.setFilter(filter);
    dialog.setDefaultExtension(extension);
    QTEST(dialog.qtFilter(), "qtFilter");
    QTEST(dialog.plainExtension(), "plain");
    dialog.setInitialFolder(QStringLiteral("/dati"));
    dialog.setFileName(QStringLiteral(".txt"));
    QCOMPARE(dialog.proposedPath(), QStringLiteral("/dati/.txt"));
    dialog.setFileName(QStringLiteral("/altrove/x.txt"));
    QCOMPARE(dialog.proposedPath(), QStringLiteral("/altrove/x.txt"));
}

void TestSeams::popupTriggersTheQueuedEntry() {
    QMenu menu;
    menu.setObjectName(QStringLiteral("menuric"));
    QWidget owner; // entries owned elsewhere, as the main window's are
    auto* entry = new QAction(QStringLiteral("Ricerca Statistica"), &owner);
    entry->setObjectName(QStringLiteral("ricstatmenu"));
    menu.addAction(entry);
    int triggered = 0;
    connect(entry, &QAction::triggered, this, [&] { ++triggered; });

    PopupSeam seam;
    seam.queueChoice(QStringLiteral("ricstatmenu"));
    QCOMPARE(popup(&menu), entry);
    QCOMPARE(triggered, 1);          // its handler has run when popup returns
    QCOMPARE(popup(&menu), nullptr); // dismissed
    QCOMPARE(triggered, 1);
    QCOMPARE(seam.menus(), QStringList({"menuric", "menuric"}));
}

void TestSeams::realFileDialogOpensWhereProposed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::newRow("a name proposed") << "backup.bolv"
                                     << "backup.bolv";
    QTest::newRow("no name: the folder itself, nothing typed") << ""
                                                               << "";
}

// The real dialog, read and cancelled as soon as it shows.
void TestSeams::realFileDialogOpensWhereProposed() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QTemporaryDir dir;
    FileDialog dialog;
    dialog.setInitialFolder(dir.path());
    dialog.setFileName(name);
    QString folder, text;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown) return;
        folder = shown->directory().absolutePath();
        if (auto* edit = shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            text = edit->text();
        shown->reject();
    });
    QVERIFY(!dialog.showOpen());
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(text, typed);
}

void TestSeams::printerRecordsTheJob() {
    PrinterSeam seam;
    auto p = openPrinter();
    QVERIFY(p);
    p->setFont(QStringLiteral("Courier"), 8);
    p->printLine(QStringLiteral("Bolv"));
    p->tab(10);
    p->write(QStringLiteral("Bari"));
    p->newLine();
    p->newPage();
    p->circle(720, 1440, 60);
    p->line(0, 0, 100, 0);
    p->endDoc();
    QCOMPARE(seam.jobs().size(), size_t(1));
    const RecordedJob& job = seam.jobs().front();
    QCOMPARE(job.family, QStringLiteral("Courier"));
    QCOMPARE(job.points, 8.0);
    QCOMPARE(job.lines(), QStringList({"Bolv", "         Bari"}));
    QCOMPARE(job.pageBreaks, QList<int>{2});
    QVERIFY(job.ended);
    const PrintOperation& circle = job.operations[job.operations.size() - 3];
    QCOMPARE(circle.kind, PrintOperation::Circle);
    QCOMPARE(QList<int>({circle.a, circle.b, circle.c}), QList<int>({720, 1440, 60}));
}

void TestSeams::noPrinterSaysSoAndGivesNothing() {
    BoxSeam boxes;
    PrinterSeam seam;
    seam.setNoPrinter(true);
    QVERIFY(!openPrinter());
    QCOMPARE(boxes.texts(), QStringList{noPrinterMessage});
    QVERIFY(seam.jobs().empty());
}

void TestSeams::printDialogCanBeCancelled() {
    PrinterSeam seam;
    seam.setDialogCancelled(true);
    QVERIFY(!openPrinter(PrinterChoice::Dialog));
    QVERIFY(openPrinter(PrinterChoice::Default)); // the default printer asks nothing
    QCOMPARE(seam.dialogsShown(), 1);
}

void TestSeams::helpResolvesTopicsAndFallsBackToTheContents() {
    HelpSeam seam;
    showHelpTopic(70);
    showHelpTopic(99); // no such topic: the contents, without a word
    showHelpIndex();
    QCOMPARE(seam.requests().size(), 3);
    QCOMPARE(seam.requests()[0].page, QStringLiteral("qrc:/provaguida/contesto-70.html"));
    QCOMPARE(seam.requests()[1].page, helpContentsPage());
    QCOMPARE(seam.requests()[2].kind, HelpRequest::Index);
    QCOMPARE(seam.requests()[2].page, helpIndexPage());
}

// "Indice...": the index, then its search, over the index.
void TestSeams::helpIndexKeepsItsPageForTheSearch() {
    {
        HelpSeam seam;
        showHelpSearch(); // nothing shown yet: the contents
        showHelpIndex();
        showHelpSearch();
        QCOMPARE(seam.requests().size(), 3);
        QCOMPARE(seam.requests()[0].page, helpContentsPage());
        QCOMPARE(seam.requests()[2].kind, HelpRequest::Search);
        QCOMPARE(seam.requests()[2].page, helpIndexPage());
    }
    showHelpIndex();
    showHelpSearch();
    HelpWindow* w = HelpWindow::instance();
    QCOMPARE(w->currentPage(), helpIndexPage());
    QCOMPARE(w->focusWidget(), w->findChild<QWidget*>(QStringLiteral("cerca")));
    QCOMPARE(w->windowType(), Qt::Dialog);
    QCOMPARE(w->windowTitle(), QStringLiteral("Guida di Bolv"));
    delete w;
}

void TestSeams::helpSearchFindsPagesWithEveryWord() {
    const auto found = searchHelp(QStringLiteral("terni VERGINI"));
    QVERIFY(!found.isEmpty());
    QStringList pages;
    for (const auto& f : found)
        pages << f.first;
    QVERIFY(pages.contains(QStringLiteral("qrc:/provaguida/contesto-24.html")));
    QVERIFY(!pages.contains(QStringLiteral("qrc:/provaguida/contesto-19.html")));
    QVERIFY(searchHelp(QStringLiteral("terni parolachenonce")).isEmpty());
}

void TestSeams::mousePointerShapes() {
    QWidget w;
    QCOMPARE(mousePointer(&w), Pointer::Default);
    setMousePointer(&w, Pointer::Hourglass);
    QCOMPARE(mousePointer(&w), Pointer::Hourglass);
    setMousePointer(&w, Pointer::ArrowHourglass);
    QCOMPARE(mousePointer(&w), Pointer::ArrowHourglass);
    setMousePointer(&w, Pointer::Default);
    QCOMPARE(mousePointer(&w), Pointer::Default);
    setMousePointer(nullptr, Pointer::Hourglass); // no main window: nothing to do
}

void TestSeams::clipboardKeepsText() {
    setClipboardText(QStringLiteral("12\t34"));
    QVERIFY(clipboardHasText());
    QCOMPARE(clipboardText(), QStringLiteral("12\t34"));
    clearClipboard();
    QVERIFY(!clipboardHasText());
}

QTEST_MAIN(TestSeams)
#include "test_seams.moc"
