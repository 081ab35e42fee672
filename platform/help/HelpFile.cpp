#include "platform/help/HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace help {

bool HelpFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        topics_.clear();
        path_ = path;
        error_ = QStringLiteral("The help file %1 cannot be opened: %2").arg(path, file.errorString());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()), path);
}

bool HelpFile::parse(const QString& document, const QString& path)
{
    path_ = path;
    error_.clear();
    topics_.clear();
    title_.clear();
    style_.clear();

    static const QRegularExpression titleTag(QStringLiteral("<title>(.*?)</title>"),
                                             QRegularExpression::CaseInsensitiveOption
                                                 | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression styleTag(QStringLiteral("<style[^>]*>.*?</style>"),
                                             QRegularExpression::CaseInsensitiveOption
                                                 | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression heading(QStringLiteral("<h1\\s+id=\"([^\"]+)\"[^>]*>(.*?)</h1>"),
                                            QRegularExpression::CaseInsensitiveOption
                                                | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression bodyEnd(QStringLiteral("</body>"), QRegularExpression::CaseInsensitiveOption);

    if (const auto found = titleTag.match(document); found.hasMatch())
        title_ = QTextDocumentFragment::fromHtml(found.captured(1)).toPlainText().simplified();
    if (const auto found = styleTag.match(document); found.hasMatch())
        style_ = found.captured(0);

    const qsizetype end = [&] {
        const auto found = bodyEnd.match(document);
        return found.hasMatch() ? found.capturedStart() : document.size();
    }();
    auto headings = heading.globalMatch(document);
    std::vector<QRegularExpressionMatch> starts;
    while (headings.hasNext())
        starts.push_back(headings.next());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype from = starts[i].capturedStart();
        const qsizetype to = i + 1 < starts.size() ? starts[i + 1].capturedStart() : end;
        if (to <= from)
            continue;
        HelpTopic page;
        page.id = starts[i].captured(1);
        page.title = QTextDocumentFragment::fromHtml(starts[i].captured(2)).toPlainText().simplified();
        page.html = document.mid(from, to - from);
        topics_.push_back(std::move(page));
    }

    if (!index()) {
        topics_.clear();
        error_ = QStringLiteral("The help file %1 has no table of contents.")
                     .arg(path.isEmpty() ? QStringLiteral("given") : path);
        return false;
    }
    return true;
}

const HelpTopic* HelpFile::topic(const QString& id) const
{
    for (const HelpTopic& page : topics_) {
        if (page.id == id)
            return &page;
    }
    return nullptr;
}

QString HelpFile::pageHtml(const HelpTopic& page) const
{
    return QStringLiteral("<html><head>%1</head><body>%2</body></html>").arg(style_, page.html);
}

} // namespace help
