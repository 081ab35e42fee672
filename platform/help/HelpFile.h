#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace help {

// One page of a help file: what lies between its heading and the next one.
struct HelpTopic {
    QString id;    // the heading's id, the target of "#id" links
    QString title; // the heading's text
    QString html;  // the heading and its body
};

// The program's help file: one UTF-8 HTML document whose <h1 id="..."> headings
// start its pages. The page "index" is the table of contents; pages link to
// each other with href="#id". A <style> block in the head applies to every page.
class HelpFile {
public:
    static constexpr const char* indexId = "index";

    // Reads the file; false with errorString() when it is missing, unreadable
    // or holds no index page. A failed load leaves no pages.
    bool load(const QString& path);
    // The same from text already read (path only names it in messages).
    bool parse(const QString& document, const QString& path = {});

    QString path() const { return path_; }
    QString errorString() const { return error_; }
    QString title() const { return title_; } // the document's <title>

    const std::vector<HelpTopic>& topics() const { return topics_; }
    const HelpTopic* topic(const QString& id) const;
    const HelpTopic* index() const { return topic(QString::fromLatin1(indexId)); }

    // A page as the viewer shows it: the document's style and the page's body.
    QString pageHtml(const HelpTopic& topic) const;

private:
    QString path_;
    QString error_;
    QString title_;
    QString style_;
    std::vector<HelpTopic> topics_;
};

} // namespace help
