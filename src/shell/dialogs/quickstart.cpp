#include "shell/dialogs/quickstart.h"

#include "shell/art/palette.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

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

// Lays the document out on the printer's pages, as printing would with its
// 2 cm margins, and starts a page before every heading that would otherwise
// stand alone at the foot of a page.
void layOutOnPaper(QTextDocument& paper, QPrinter& printer) {
    QAbstractTextDocumentLayout* layout = paper.documentLayout();
    layout->setPaintDevice(&printer);
    QTextFrameFormat root = paper.rootFrame()->frameFormat();
    root.setMargin(2 / 2.54 * printer.logicalDpiY());
    paper.rootFrame()->setFrameFormat(root);
    const QSizeF page(printer.width(), printer.height());
    paper.setPageSize(page);
    const auto pageOf = [&](qreal y) { return static_cast<int>(y / page.height()); };
    for (QTextBlock block = paper.begin(); block.isValid() && block.next().isValid();
         block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        const qreal top = layout->blockBoundingRect(block).top();
        if (pageOf(top) == pageOf(layout->blockBoundingRect(block.next()).top() + 1)) continue;
        QTextBlockFormat newPage;
        newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).mergeBlockFormat(newPage);
    }
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
    RichTextBox1_->setStyleSheet(
        QStringLiteral("QTextBrowser { background: %1; border: 1px solid %2; padding: 6px; }")
            .arg(paletteColor(u"quickstartbg").name(), paletteColor(u"frame").name()));
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
    layOutOnPaper(paper, printer);
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
