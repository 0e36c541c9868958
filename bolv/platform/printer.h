// The printer as the windows draw on it: a font at a size, text written at
// character columns (tab) or at a position in twips, lines, circles, page
// breaks and the end of the job that sends it.
//
// openPrinter() gives the system's default printer (or the one chosen in the
// print dialog where a window asks for it; Qt's dialog also offers a PDF file).
// With no printer installed the print goes to a PDF file the user names in the
// file dialog. When no file is chosen, or the job cannot start, a message says
// so and nothing is given: the caller ends its command, having changed nothing.
//
// Seam: while a PrinterSeam exists every job is recorded instead of printed;
// on a machine without printers it answers the PDF file question from a queue
// and prints the chosen file for real.
#pragma once

#include "seam.h"

#include "textcolumns.h"
#include "units.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>

class QPrinter;

namespace platform {

inline const QString noPrinterMessage = QStringLiteral(
    "Nessuna stampante installata e nessun file PDF scelto: la stampa non è stata eseguita. Per "
    "salvare la stampa in un file di testo scegliere Opzioni, Output di Stampa, File.");
// The message for a job that could not start on target (a printer's name or a file).
QString printFailedMessage(const QString& target);

class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    virtual void setFont(const QString& family, double points) = 0;
    // Text at the current position; the line goes on.
    virtual void write(const QString& text) = 0;
    // To character column c of the current line (see TextColumns).
    virtual void tab(int column) = 0;
    virtual void newLine() = 0;
    // Shrinks the font in force, when needed, until every one of lines fits the
    // printable width of the page; gives the points then in force.
    virtual double shrinkToFit(const QStringList& lines) = 0;
    void printLine(const QString& text) {
        write(text);
        newLine();
    }
    void printLines(const QStringList& lines) {
        for (const QString& l : lines)
            printLine(l);
    }

    // Positions and sizes in twips from the top left of the printable area.
    virtual void setPosition(int x, int y) = 0; // where the next write starts
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    virtual void circle(int x, int y, int radius, bool filled = false) = 0;

    virtual void newPage() = 0;
    // Sends the job; nothing may be drawn after it.
    virtual void endDoc() = 0;
};

enum class PrinterChoice { Default, Dialog };

// Null when the print dialog was cancelled, or after its message when no file
// was chosen where no printer is installed, or when the job could not start.
std::unique_ptr<PrintSurface> openPrinter(PrinterChoice choice = PrinterChoice::Default);
// A surface drawing on a printer set up by the caller (a PDF file, for instance);
// null, after its message, when the job cannot start.
std::unique_ptr<PrintSurface> surfaceOn(std::unique_ptr<QPrinter> printer);
// The PDF file a print goes to where no printer is installed, named in the
// file dialog (an existing file is replaced only after a Yes); empty when none.
QString askPdfFile();
// A printer writing the PDF file path, on A4 paper.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// What a job drew, in order, for tests.
struct PrintOperation {
    enum Kind { Font, Text, Tab, NewLine, Position, Line, Circle, NewPage, EndDoc } kind;
    QString text{};  // Font: the family; Text: the text
    double size = 0; // Font: the points
    int a = 0, b = 0, c = 0, d = 0;
};

struct RecordedJob {
    QList<PrintOperation> operations;
    TextColumns text;      // the text lines as the columns lay them out
    QList<int> pageBreaks; // line counts at each new page
    QString family;
    double points = 0;
    bool ended = false;
    QStringList lines() const { return text.lines(); }
};

// A print surface that only records.
class RecordingPrinter : public PrintSurface {
  public:
    explicit RecordingPrinter(RecordedJob& job) : job_(job) {}
    void setFont(const QString& family, double points) override;
    void write(const QString& text) override;
    void tab(int column) override;
    void newLine() override;
    double shrinkToFit(const QStringList& lines) override; // the page has no edge
    void setPosition(int x, int y) override;
    void line(int x1, int y1, int x2, int y2) override;
    void circle(int x, int y, int radius, bool filled = false) override;
    void newPage() override;
    void endDoc() override;

  private:
    RecordedJob& job_;
};

class PrinterSeam : public Seam<PrinterSeam> {
  public:
    // Behave as a machine with no printer installed.
    void setNoPrinter(bool none) { noPrinter_ = none; }
    // With PrinterChoice::Dialog: the next dialogs are cancelled.
    void setDialogCancelled(bool cancelled) { dialogCancelled_ = cancelled; }
    // With no printer: the PDF file the next print is written to (absolute), or
    // a cancel. With nothing queued every question is cancelled.
    void queuePdfFile(const QString& path) { pdfFiles_.push_back(path); }
    void queuePdfCancel() { pdfFiles_.push_back(QString()); }

    const std::deque<RecordedJob>& jobs() const { return jobs_; }
    int dialogsShown() const { return dialogs_; }
    int pdfQuestions() const { return pdfQuestions_; }

  private:
    friend std::unique_ptr<PrintSurface> openPrinter(PrinterChoice);
    friend QString askPdfFile();
    std::deque<RecordedJob> jobs_; // a deque keeps each job where its printer writes
    std::deque<QString> pdfFiles_;
    bool noPrinter_ = false;
    bool dialogCancelled_ = false;
    int dialogs_ = 0;
    int pdfQuestions_ = 0;
};

} // namespace platform
