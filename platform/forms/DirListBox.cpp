#include "platform/forms/DirListBox.h"

#include "platform/core/Errors.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace forms {

namespace {

constexpr int folderRole = Qt::UserRole;

// The folder's name as a list entry shows it; the root shows as itself.
QString entryName(const QString& folder)
{
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(folder) : name;
}

} // namespace

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirListBox::open);
}

QString DirListBox::list(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->data(folderRole).toString() : QString();
}

void DirListBox::setPath(const QString& path)
{
    QString wanted = QDir::fromNativeSeparators(path);
    const QFileInfo folder(wanted);
    if (wanted.isEmpty() || !folder.isDir())
        throw platform::errors::pathNotFound(path);
    path_ = QDir::cleanPath(folder.absoluteFilePath());
    fill();
    emit change();
}

void DirListBox::fill()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;
    for (QDir dir(path_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const auto add = [this](const QString& folder, int depth, const QIcon& icon) {
        auto* entry = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + entryName(folder), this);
        entry->setData(folderRole, folder);
        return entry;
    };
    for (int depth = 0; depth < chain.size(); ++depth) {
        QListWidgetItem* entry = add(chain.at(depth), depth, openIcon);
        if (depth == chain.size() - 1)
            setCurrentItem(entry);
    }
    const QDir open(path_);
    const QStringList subfolders = open.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        add(open.absoluteFilePath(name), int(chain.size()), closedIcon);
}

void DirListBox::open(QListWidgetItem* item)
{
    if (!item)
        return;
    // A folder removed since the list was read simply stays closed.
    const QString folder = item->data(folderRole).toString();
    if (QFileInfo(folder).isDir())
        setPath(folder);
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace forms
