#pragma once

#include <QListWidget>
#include <QString>

namespace forms {

// A folder list: the folders from the root down to the open one, then the
// open folder's subfolders, each entry indented under its parent. A double
// click (or Enter) on an entry opens that folder. Opening a folder - by the
// user or by setPath - reads it afresh and runs change(), even when it was
// open already, so the file list that follows it is read afresh too.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // The open folder, absolute, without a trailing separator.
    QString path() const { return path_; }
    // Either separator and a trailing one are taken. A folder that does not
    // exist throws 76 and leaves the list as it was.
    void setPath(const QString& path);

    // Entries in display order: the full path of each folder listed.
    int listCount() const { return count(); }
    QString list(int index) const; // "" outside the list

signals:
    void change();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void open(QListWidgetItem* item);
    void fill();

    QString path_;
};

} // namespace forms
