// Composing printed tests into pages, beside laying out the same text into
// pages of the same size with QTextDocument, in the same run:
//   Compose_Test/N       N questions through the composer, each entry
//                        passing the keep-together test, then ended
//   TextDocument_Test/N  the same text, fonts and page size laid out by
//                        QTextDocument, then its page count read
//   Preview_FirstPage/N  the composed test of N questions given to the
//                        print preview and its view drawn
//   PreviewWindow_FirstPage/N  the same test in the one print document,
//                        shown by the preview window as every product shows
//                        it, and the window's pages drawn
//   Paint_FirstPage/N    the plain way: the test's first page painted into
//                        an image of the view's size with a bare QPainter
// The composer should grow linearly with N and cost about as much as the
// plain layout; the preview and the preview window should cost the same for
// any N (10 000 questions no more than 1.5 times 100), since they draw only
// the pages in sight.

#include "BenchRun.h"
#include "support/ProgramFolder.h"
#include "support/TestText.h"

#include "platform/forms/App.h"
#include "platform/forms/ScriptedDialogs.h"
#include "platform/print/Composer.h"
#include "platform/print/PageRenderer.h"
#include "platform/print/PrintControl.h"
#include "platform/print/TextMetrics.h"
#include "printing/PagePreview.h"
#include "printing/PreviewDocument.h"
#include "printing/frmPrint.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTextDocument>

#include <vector>

namespace {

const std::vector<QString>& entries(int count)
{
    static std::vector<QString> all;
    for (int number = int(all.size()) + 1; number <= count; ++number)
        all.push_back(testsupport::testEntry(number, testsupport::testQuestion(number)));
    return all;
}

// The printed test of count questions, each entry passing the
// keep-together test.
void composeTest(print::Composer& composer, int count)
{
    const std::vector<QString>& texts = entries(count);
    composer.startDocument();
    composer.writeLine(QString());
    composer.setHeaderText(QStringLiteral("All Questions        "));
    for (int i = 0; i < count; ++i) {
        composer.measureEntry(texts[std::size_t(i)]);
        if (composer.fitNeed() > composer.fitLimit() - composer.fitUsed())
            composer.breakPage();
        composer.writeInline(texts[std::size_t(i)]);
    }
    composer.endDocument();
}

void Compose_Test(benchmark::State& state)
{
    const int count = int(state.range(0));
    entries(count);
    int pages = 0;
    for (auto _ : state) {
        print::Composer composer;
        composeTest(composer, count);
        pages = int(composer.document().pages.size());
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}

void TextDocument_Test(benchmark::State& state)
{
    const int count = int(state.range(0));
    const std::vector<QString>& texts = entries(count);
    QString text;
    for (int i = 0; i < count; ++i)
        text += texts[std::size_t(i)];
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const print::Composer reference;
    const print::PageLayout& layout = reference.layout();
    int pages = 0;
    for (auto _ : state) {
        QTextDocument document;
        document.setDefaultFont(print::fontOf(reference.bodyStyle()));
        document.setDocumentMargin(0);
        document.setPageSize(QSizeF(layout.textWidth(), layout.textBottom() - layout.textTop()));
        document.setPlainText(text);
        pages = document.pageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}

void Preview_FirstPage(benchmark::State& state)
{
    print::Composer composer;
    composeTest(composer, int(state.range(0)));
    printing::PagePreview preview;
    preview.resize(1000, 740);
    int drawn = 0;
    for (auto _ : state) {
        preview.setDocument(&composer.document());
        const QImage view = preview.viewport()->grab().toImage();
        benchmark::DoNotOptimize(view.constBits());
        drawn = preview.pagesDrawn();
    }
    state.counters["pages"] = double(composer.document().pages.size());
    state.counters["drawn"] = drawn;
}

void PreviewWindow_FirstPage(benchmark::State& state)
{
    testsupport::ProgramFolder folder;
    forms::App app(folder.path());
    forms::ScriptedDialogs boxes(app.dialogs());
    print::PrintControl& document = printing::printDocument();
    composeTest(document, int(state.range(0)));
    printing::frmPrint& window = forms::form<printing::frmPrint>();
    for (auto _ : state) {
        printing::showDocument(printing::constructedTestPackage, printing::Return::toCaller);
        const QImage view = window.Preview1->viewport()->grab().toImage();
        benchmark::DoNotOptimize(view.constBits());
    }
    state.counters["pages"] = document.pageCount();
    state.counters["drawn"] = window.Preview1->pagesDrawn();
}

void Paint_FirstPage(benchmark::State& state)
{
    print::Composer composer;
    composeTest(composer, int(state.range(0)));
    const print::Document& document = composer.document();
    const QSize view(1000, 740);
    const double scale = double(view.width()) / document.paper.width;
    const QRectF page(0, 0, view.width(), document.paper.height * scale);
    for (auto _ : state) {
        QImage image(view, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        print::paintPage(painter, document.pages.front(), document.paper, page);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pages"] = double(document.pages.size());
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(Compose_Test)->Apply(sizes);
BENCHMARK(TextDocument_Test)->Apply(sizes);
BENCHMARK(Preview_FirstPage)->Apply(sizes);
BENCHMARK(PreviewWindow_FirstPage)->Apply(sizes);
BENCHMARK(Paint_FirstPage)->Apply(sizes);

int main(int argc, char** argv)
{
    return benchrun::run<QApplication>(argc, argv);
}
