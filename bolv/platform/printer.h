// The printer as the windows draw on it: a font at a size, text written at
// character columns (tab) or at a position in twips, lines, circles, page
// breaks and the end of the job that sends it.
//
// openPrinter() gives the system's default printer (or the one chosen in the
// print dialog where a window asks for it). With no printer installed it says
// so in a message and gives nothing: the caller ends its command, having
// changed nothing, and the user can choose output to a file instead.
//
// Seam: while a PrinterSeam exists every job is recorded instead of printed.
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
    "Nessuna stampante installata: impossibile stampare. Per salvare la stampa in un file di "
    "testo scegliere Opzioni, Output di Stampa, File.");

class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    virtual void setFont(const QString& family, double points) = 0;
    // Text at the current position; the line goes on.
    virtual void write(const QString& text) = 0;
    // To character column c of the current line (see TextColumns).
    virtual void tab(int column) = 0;
    virtual void newLine() = 0;
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

// Null when no printer is installed (after its message) or the dialog was cancelled.
std::unique_ptr<PrintSurface> openPrinter(PrinterChoice choice = PrinterChoice::Default);
// A surface drawing on a printer set up by the caller (a PDF file, for instance).
std::unique_ptr<PrintSurface> surfaceOn(std::unique_ptr<QPrinter> printer);

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

    const std::deque<RecordedJob>& jobs() const { return jobs_; }
    int dialogsShown() const { return dialogs_; }

  private:
    friend std::unique_ptr<PrintSurface> openPrinter(PrinterChoice);
    std::deque<RecordedJob> jobs_; // a deque keeps each job where its printer writes
    bool noPrinter_ = false;
    bool dialogCancelled_ = false;
    int dialogs_ = 0;
};

} // namespace platform
