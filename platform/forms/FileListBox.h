#pragma once

#include "platform/forms/ListBox.h"

#include <QString>

namespace forms {

// A list box holding the files of one folder whose names meet the pattern,
// sorted without regard to case; folders and hidden files are not listed.
// The pattern is one or more wildcards joined by ";" ("*.wmv ;*.mpg"),
// blanks around each ignored, and matches without regard to case.
//
// click() runs as in any list box, when the pick changes. Reading the folder
// again (setPath, setPattern, refresh) runs nothing and leaves no file picked.
class FileListBox : public ListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // A folder that does not exist throws 76 and empties the list.
    void setPath(const QString& path);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // Reads the folder again.
    void refresh();

    // The picked file's name, without its folder; "" with none.
    QString fileName() const { return text(); }

private:
    void fill();

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

} // namespace forms
