#include "shell/dialogs/quickstart.h"

#include "shell/art/palette.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"
#include "shell/scale.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

namespace rollwell {

namespace {

constexpr int kWidth = 7800;
constexpr int kHeight = 6900;

QPointer<QuickStartDialog>& openWindow() {
    static QPointer<QuickStartDialog> window;
    return window;
}

QString readDocument() {
    QFile file(QStringLiteral(":/docs/quickstart.html"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Light text on the deep blue of the window; dark text on paper.
const QString kScreenStyle =
    QStringLiteral("body { color: #e8eef7; } h1, h2 { color: #ffd65c; } a { color: #9cc8ff; }"
                   "td, th { color: #e8eef7; } .key { color: #ffd65c; }");
const QString kPaperStyle =
    QStringLiteral("body { color: #101820; } h1, h2 { color: #1d3f6e; } a { color: #1d3f6e; }"
                   "td, th { color: #101820; } .key { color: #1d3f6e; }");

// The first folder of the user's documents, home and temporary folder that
// exists and can be written, for a PDF where no printer is installed.
QString writableFolder() {
    for (const auto where : {QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QFileInfo folder(QStandardPaths::writableLocation(where));
        if (!folder.filePath().isEmpty() && folder.isDir() && folder.isWritable())
            return folder.filePath();
    }
    return QDir::tempPath();
}

// Starts a page before every heading that would otherwise stand alone at the
// foot of a page. The document is laid out on the printer's pages as printing
// lays it out (2 cm margins given in screen pixels, scaled to the printer);
// printing then paginates it again, with the page numbers, from the breaks.
void keepHeadingsWithText(QTextDocument& paper, QPrinter& printer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    const int margin = static_cast<int>(2 / 2.54 * screenDpi);
    QTextFrameFormat root = paper.rootFrame()->frameFormat();
    root.setMargin(margin);
    paper.rootFrame()->setFrameFormat(root);
    QAbstractTextDocumentLayout* layout = paper.documentLayout();
    layout->setPaintDevice(&printer);
    const qreal pageHeight = printer.height();
    paper.setPageSize(QSizeF(printer.width(), pageHeight));
    // A line in a page's bottom margin is printed on the next page.
    const qreal deviceMargin = margin * printer.logicalDpiY() / static_cast<qreal>(screenDpi);
    const auto pageOf = [&](qreal y) { return static_cast<int>((y + deviceMargin) / pageHeight); };
    for (QTextBlock block = paper.begin(); block.isValid() && block.next().isValid();
         block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        const QTextBlock text = block.next();
        const QTextLayout* lines = text.layout();
        const qreal firstLineEnd = layout->blockBoundingRect(text).top() +
                                   (lines->lineCount() > 0 ? lines->lineAt(0).height() : 0);
        if (pageOf(layout->blockBoundingRect(block).top()) == pageOf(firstLineEnd)) continue;
        QTextBlockFormat newPage;
        newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).mergeBlockFormat(newPage);
    }
    layout->setPaintDevice(nullptr);
    paper.setPageSize(QSizeF());
}

} // namespace

QuickStartDialog::QuickStartDialog(QWidget* owner, bool openedFromMain) : QDialog(owner) {
    setObjectName(QStringLiteral("frmQuickStart"));
    setWindowTitle(QStringLiteral("Quick Start"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setProperty("openedFromMain", openedFromMain);
    applyDialogLook(this);
    fixClientSize(this, kWidth, kHeight);

    RichTextBox1_ = new QTextBrowser(this);
    RichTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1_->setGeometry(twipsRect(120, 120, kWidth - 240, kHeight - 840));
    RichTextBox1_->setOpenExternalLinks(true);
    RichTextBox1_->setStyleSheet(scaledSheet(
        QStringLiteral("QTextBrowser { background: %1; border: 1px solid %2; padding: 6px; }")
            .arg(paletteColor(u"quickstartbg").name(), paletteColor(u"frame").name())));
    // The document is read straight from the program's resources into the
    // view; nothing is written to disk on the way.
    html_ = readDocument();
    RichTextBox1_->document()->setDefaultStyleSheet(kScreenStyle);
    RichTextBox1_->setHtml(html_);
    installGameCursor(RichTextBox1_->viewport());

    auto* print = new CommandButton(QStringLiteral("cmdPrint"), QStringLiteral("&Print"),
                                    QStringLiteral("print"), this);
    print->setGeometry(twipsRect(120, kHeight - 600, 1440, 435));
    auto* ok = new CommandButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"),
                                 QStringLiteral("ok"), this);
    ok->setGeometry(twipsRect(kWidth - 1560, kHeight - 600, 1440, 435));
    ok->setDefault(true);
    connect(print, &QPushButton::clicked, this, &QuickStartDialog::cmdPrint_Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    installGameCursor(this);
}

void QuickStartDialog::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // Without a printer the document becomes a PDF in the user's documents.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(
            QDir(writableFolder()).filePath(QStringLiteral("Rollwell Quick Start.pdf")));
    }
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Quick Start"));
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument paper;
    paper.setDefaultStyleSheet(kPaperStyle);
    paper.setHtml(html_);
    keepHeadingsWithText(paper, printer);
    paper.print(&printer);
}

void QuickStartDialog::showEvent(QShowEvent* event) {
    placeOnOwner(this, parentWidget());
    QDialog::showEvent(event);
}

void showQuickStart(QWidget* owner, bool openedFromMain) {
    QPointer<QuickStartDialog>& window = openWindow();
    if (window) {
        window->raise();
        window->activateWindow();
        return;
    }
    window = new QuickStartDialog(owner, openedFromMain);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (openedFromMain) {
        window->show();
    } else {
        window->exec();
    }
}

void closeQuickStart() {
    if (QPointer<QuickStartDialog>& window = openWindow()) window->close();
}

} // namespace rollwell
