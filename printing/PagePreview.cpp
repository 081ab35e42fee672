#include "printing/PagePreview.h"

#include "platform/print/PageRenderer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace printing {

namespace {

// Grey around the paper, in pixels.
constexpr int gap = 12;

} // namespace

// The column of pages inside the scroll area.
class PageStack : public QWidget {
public:
    explicit PageStack(QWidget* parent) : QWidget(parent) {}

    void setDocument(const print::Document* document)
    {
        document_ = document;
        drawn_ = 0;
        relayout();
        update();
    }

    void setPaperWidth(int width)
    {
        paperWidth_ = qMax(50, width);
        relayout();
    }

    int drawn() const { return drawn_; }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(128, 128, 128));
        if (!document_ || document_->pages.empty())
            return;
        const int step = paperHeight() + gap;
        // Only the pages the exposed area reaches are drawn.
        const int first = qMax(0, (event->rect().top() - gap) / step);
        const int last = qMin(int(document_->pages.size()) - 1, event->rect().bottom() / step);
        for (int index = first; index <= last; ++index) {
            const QRect paper(gap, gap + index * step, paperWidth_, paperHeight());
            painter.fillRect(paper.translated(3, 3), QColor(64, 64, 64));
            painter.fillRect(paper, Qt::white);
            print::paintPage(painter, document_->pages[std::size_t(index)], document_->paper, paper);
            ++drawn_;
        }
    }

private:
    int paperHeight() const
    {
        const print::PaperSize paper = document_ ? document_->paper : print::PaperSize{};
        return qRound(double(paperWidth_) * paper.height / paper.width);
    }

    void relayout()
    {
        const int pages = document_ ? int(document_->pages.size()) : 0;
        setFixedSize(paperWidth_ + 2 * gap, gap + pages * (paperHeight() + gap));
    }

    const print::Document* document_ = nullptr;
    int paperWidth_ = 600;
    int drawn_ = 0;
};

PagePreview::PagePreview(QWidget* parent) : QScrollArea(parent), stack_(new PageStack(this))
{
    setWidget(stack_);
    setAlignment(Qt::AlignHCenter);
    setBackgroundRole(QPalette::Dark);
}

void PagePreview::setDocument(const print::Document* document)
{
    stack_->setDocument(document);
    verticalScrollBar()->setValue(0);
}

int PagePreview::pagesDrawn() const
{
    return stack_->drawn();
}

void PagePreview::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    stack_->setPaperWidth(viewport()->width() - 2 * gap);
}

} // namespace printing
