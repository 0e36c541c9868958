#include "printer.h"

#include "filedialog.h"
#include "filesicuri.h"
#include "messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// Draws on a QPrinter. Text runs line by line from the top of the printable
// area; a line that does not fit starts a new page, as a printer object does.
// A PDF file is drawn into the safe write's temporary file, which takes the
// file's name at the end of the document; a print abandoned before leaves the
// old file as it was and nothing beside it.
class PainterSurface : public PrintSurface {
  public:
    PainterSurface(std::unique_ptr<QPrinter> printer, std::unique_ptr<bolv::Scritturasicura> file,
                   QString name)
        : file_(std::move(file)), name_(std::move(name)), printer_(std::move(printer)),
          painter_(printer_.get()) {
        if (painter_.isActive()) setFont(QStringLiteral("Courier"), 10);
    }
    bool started() const { return painter_.isActive(); }
    ~PainterSurface() override {
        if (painter_.isActive()) painter_.end();
    }

    void setFont(const QString& family, double points) override {
        family_ = family;
        points_ = points;
        QFont f(family);
        f.setPointSizeF(points);
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        painter_.setFont(f);
        const QFontMetricsF m(f, printer_.get());
        lineHeight_ = m.lineSpacing();
        ascent_ = m.ascent();
        charWidth_ = m.horizontalAdvance(QLatin1Char('M'));
    }

    void write(const QString& text) override {
        breakPageIfFull();
        painter_.drawText(QPointF(x_, y_ + ascent_), text);
        x_ += QFontMetricsF(painter_.font(), printer_.get()).horizontalAdvance(text);
        column_ += text.size();
    }

    void tab(int column) override {
        column = std::max(column, 1);
        if (column_ >= column) newLine();
        column_ = column - 1;
        x_ = column_ * charWidth_;
    }

    void newLine() override {
        x_ = 0;
        column_ = 0;
        y_ += lineHeight_;
    }

    double shrinkToFit(const QStringList& lines) override {
        const double page = printer_->width();
        auto widest = [&] {
            const QFontMetricsF m(painter_.font(), printer_.get());
            double w = 0;
            for (const QString& l : lines)
                w = std::max(w, m.horizontalAdvance(l));
            return w;
        };
        const double w = widest();
        if (w <= page) return points_;
        // Widths grow almost in proportion to the size; tenths of a point down from
        // there until the hinted widths fit too.
        double points = std::floor(points_ * page / w * 10) / 10;
        setFont(family_, std::max(points, minimumPoints));
        while (points_ > minimumPoints && widest() > page)
            setFont(family_, std::max(points_ - 0.1, minimumPoints));
        return points_;
    }

    void setPosition(int x, int y) override {
        x_ = toDeviceX(x);
        y_ = toDeviceY(y);
        column_ = static_cast<int>(x_ / charWidth_);
    }

    void line(int x1, int y1, int x2, int y2) override {
        painter_.drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)),
                          QPointF(toDeviceX(x2), toDeviceY(y2)));
    }

    void circle(int x, int y, int radius, bool filled) override {
        painter_.save();
        painter_.setBrush(filled ? QBrush(painter_.pen().color()) : QBrush(Qt::NoBrush));
        painter_.drawEllipse(QPointF(toDeviceX(x), toDeviceY(y)), toDeviceX(radius),
                             toDeviceY(radius));
        painter_.restore();
    }

    void newPage() override {
        printer_->newPage();
        x_ = y_ = 0;
        column_ = 0;
    }

    void endDoc() override {
        const bool ended = painter_.end();
        if (file_ && !(ended && file_->conferma()))
            message(printFailedMessage(name_), defaultTitle(), Icon::Exclamation);
        file_.reset();
    }

  private:
    double toDeviceX(int twips) const {
        return twips * printer_->logicalDpiX() / double(twipsPerInch);
    }
    double toDeviceY(int twips) const {
        return twips * printer_->logicalDpiY() / double(twipsPerInch);
    }
    void breakPageIfFull() {
        if (y_ > 0 && y_ + lineHeight_ > printer_->height()) {
            const double x = x_;
            newPage();
            x_ = x;
        }
    }

    static constexpr double minimumPoints = 1;
    std::unique_ptr<bolv::Scritturasicura> file_; // the PDF file's write; null for a printer
    QString name_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QString family_;
    double points_ = 0;
    double x_ = 0, y_ = 0;
    int column_ = 0;
    double lineHeight_ = 0, ascent_ = 0, charWidth_ = 1;
};

// Where no printer is installed: a PDF file, or null after the message.
std::unique_ptr<QPrinter> pdfInsteadOfPrinter() {
    const QString path = askPdfFile();
    if (path.isEmpty()) {
        message(noPrinterMessage, defaultTitle(), Icon::Exclamation);
        return nullptr;
    }
    return pdfPrinter(path);
}

QString printerName(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

std::unique_ptr<QPrinter> systemPrinter(PrinterChoice choice) {
    if (QPrinterInfo::availablePrinters().isEmpty()) return pdfInsteadOfPrinter();
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) info = QPrinterInfo::availablePrinters().constFirst();
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (choice == PrinterChoice::Dialog) {
        QPrintDialog dialog(printer.get(), boxParent());
        if (dialog.exec() != QDialog::Accepted) return nullptr;
    }
    return printer;
}
} // namespace

void RecordingPrinter::setFont(const QString& family, double points) {
    job_.operations.append(PrintOperation{PrintOperation::Font, family, points});
    job_.family = family;
    job_.points = points;
}

void RecordingPrinter::write(const QString& text) {
    job_.operations.append(PrintOperation{PrintOperation::Text, text});
    job_.text.write(text);
}

void RecordingPrinter::tab(int column) {
    job_.operations.append(PrintOperation{PrintOperation::Tab, {}, 0, column});
    job_.text.tab(column);
}

void RecordingPrinter::newLine() {
    job_.operations.append(PrintOperation{PrintOperation::NewLine});
    job_.text.newLine();
}

double RecordingPrinter::shrinkToFit(const QStringList&) {
    return job_.points;
}

void RecordingPrinter::setPosition(int x, int y) {
    job_.operations.append(PrintOperation{PrintOperation::Position, {}, 0, x, y});
}

void RecordingPrinter::line(int x1, int y1, int x2, int y2) {
    job_.operations.append(PrintOperation{PrintOperation::Line, {}, 0, x1, y1, x2, y2});
}

void RecordingPrinter::circle(int x, int y, int radius, bool filled) {
    job_.operations.append(
        PrintOperation{PrintOperation::Circle, {}, 0, x, y, radius, filled ? 1 : 0});
}

void RecordingPrinter::newPage() {
    job_.operations.append(PrintOperation{PrintOperation::NewPage});
    job_.pageBreaks.append(job_.text.finishedLines().size());
}

void RecordingPrinter::endDoc() {
    job_.operations.append(PrintOperation{PrintOperation::EndDoc});
    job_.ended = true;
}

QString printFailedMessage(const QString& target) {
    return QStringLiteral("Impossibile avviare la stampa su ") + target +
           QStringLiteral(": controllare che la stampante sia pronta, o che la cartella del file "
                          "esista e sia scrivibile. Non è stato stampato nulla.");
}

QString askPdfFile() {
    QString path;
    if (PrinterSeam* seam = PrinterSeam::active()) {
        ++seam->pdfQuestions_;
        if (!seam->pdfFiles_.empty()) {
            path = seam->pdfFiles_.front();
            seam->pdfFiles_.pop_front();
        }
    } else {
        FileDialog dialog;
        dialog.setTitle(QStringLiteral("Stampa su file PDF"));
        dialog.setFilter(QStringLiteral("Documento PDF (*.pdf)|*.pdf"));
        dialog.setDefaultExtension(QStringLiteral("pdf"));
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
        dialog.setInitialFolder(folder);
        dialog.setFileName(QCoreApplication::applicationName() + QStringLiteral(".pdf"));
        if (dialog.showSave()) path = dialog.fileName();
    }
    if (path.isEmpty()) return {};
    if (QFileInfo::exists(path) &&
        !ask(QStringLiteral("Il file ") + path + QStringLiteral(" esiste già. Sostituirlo?")))
        return {};
    return path;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(QFileInfo(path).completeBaseName());
    return printer;
}

std::unique_ptr<PrintSurface> openPrinter(PrinterChoice choice) {
    if (PrinterSeam* seam = PrinterSeam::active()) {
        // A machine without printers prints to the PDF file for real: a PDF needs none.
        if (seam->noPrinter_) {
            std::unique_ptr<QPrinter> printer = pdfInsteadOfPrinter();
            return printer ? surfaceOn(std::move(printer)) : nullptr;
        }
        if (choice == PrinterChoice::Dialog) {
            ++seam->dialogs_;
            if (seam->dialogCancelled_) return nullptr;
        }
        seam->jobs_.emplace_back();
        return std::make_unique<RecordingPrinter>(seam->jobs_.back());
    }
    std::unique_ptr<QPrinter> printer = systemPrinter(choice);
    if (!printer) return nullptr;
    return surfaceOn(std::move(printer));
}

std::unique_ptr<PrintSurface> surfaceOn(std::unique_ptr<QPrinter> printer) {
    const QString name = printerName(*printer);
    std::unique_ptr<bolv::Scritturasicura> file;
    if (printer->outputFormat() == QPrinter::PdfFormat && !name.isEmpty()) {
        file = std::make_unique<bolv::Scritturasicura>(QFile::encodeName(name).toStdString());
        if (!file->aperta()) {
            message(printFailedMessage(name), defaultTitle(), Icon::Exclamation);
            return nullptr;
        }
        printer->setOutputFileName(QFile::decodeName(file->temporaneo().c_str()));
    }
    auto surface = std::make_unique<PainterSurface>(std::move(printer), std::move(file), name);
    if (!surface->started()) {
        message(printFailedMessage(name), defaultTitle(), Icon::Exclamation);
        return nullptr;
    }
    return surface;
}

} // namespace platform
