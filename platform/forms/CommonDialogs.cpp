// The file, printer, font and colour dialogs as the user sees them, and what
// a choice in them does to the printer.

#include "platform/forms/CommonDialogs.h"

#include "platform/forms/Dialogs.h"
#include "platform/gdi/Color.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace forms {

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2) {
        const QString description = parts[at].trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[at + 1].split(QLatin1Char(';'))) {
            if (!pattern.trimmed().isEmpty())
                patterns << pattern.trimmed();
        }
        if (patterns.isEmpty())
            continue;
        const QString named = QStringLiteral("(%1)").arg(patterns.join(QLatin1Char(' ')));
        filters << (description.contains(named) ? description : (description + QLatin1Char(' ') + named).trimmed());
    }
    return filters.join(QStringLiteral(";;"));
}

void applyPrintChoice(QPrinter& printer, const PrintChoice& choice)
{
    printer.setCopyCount(qMax(1, choice.copies));
    if (choice.fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(choice.fromPage, qMax(choice.fromPage, choice.toPage));
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
    if (!choice.outputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice.outputFile);
    }
}

QString Dialogs::showFileDialog(const FileRequest& request)
{
    const bool save = request.mode == FileRequest::Mode::Save;
    QFileDialog dialog(QApplication::activeWindow(), save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && request.overwritePrompt));
    dialog.setNameFilter(qtFileFilter(request.filter));
    if (save)
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool Dialogs::showPrintDialog(QPrinter& printer, int pageCount)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setMinMax(1, qMax(1, pageCount));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<FontChoice> Dialogs::showFontDialog(const QString& title, const FontChoice& initial)
{
    QFont start;
    if (!initial.name.isEmpty()) {
        start.setFamily(initial.name);
        if (initial.size > 0)
            start.setPointSizeF(initial.size);
        start.setBold(initial.bold);
        start.setItalic(initial.italic);
    }
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, start, QApplication::activeWindow(), title);
    if (!accepted)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSizeF(), font.bold(), font.italic()};
}

std::optional<int> Dialogs::showColorDialog(int initial)
{
    const QColor start = gdi::toQColor(gdi::ColorRef(initial));
    const QColor chosen = QColorDialog::getColor(start, QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return int(gdi::fromQColor(chosen));
}

} // namespace forms
