#include "support/ErrorOf.h"

#include "platform/forms/DirListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/forms/TabControl.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace forms;
using testsupport::errorOf;

namespace {

QStringList entriesOf(const FileListBox& list)
{
    QStringList names;
    for (int i = 0; i < list.listCount(); ++i)
        names << list.list(i);
    return names;
}

} // namespace

// The folder list, the file list that follows it and the tab control that
// the picture and video window is made of.
class FolderListsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString makeFile(const QString& relative)
    {
        QFile file(dir_->filePath(relative));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("x");
        return file.fileName();
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("media/sub")));
        QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("media/Another")));
        for (const char* name : {"media/b.JPG", "media/a.jpg", "media/c.png", "media/.hidden.jpg", "media/d.mpg",
                                 "media/e.WMV", "media/f.wmv.txt", "media/sub/inner.jpg"})
            QVERIFY(!makeFile(QString::fromLatin1(name)).isEmpty());
    }
    void cleanup() { dir_.reset(); }

    // Which files of the folder a pattern lists, in the order shown.
    void fileListShowsMatchingFiles_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pictures, any letter case") << "*.jpg" << QStringList{"a.jpg", "b.JPG"};
        QTest::newRow("two patterns, a blank before the semicolon")
            << "*.wmv ;*.mpg" << QStringList{"d.mpg", "e.WMV"};
        QTest::newRow("everything but folders and hidden files")
            << "*.*" << QStringList{"a.jpg", "b.JPG", "c.png", "d.mpg", "e.WMV", "f.wmv.txt"};
        QTest::newRow("nothing matches") << "*.bmp" << QStringList{};
    }
    void fileListShowsMatchingFiles()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        FileListBox list;
        list.setPattern(pattern);
        list.setPath(dir_->filePath(QStringLiteral("media")));
        QCOMPARE(entriesOf(list), expected);
    }

    // Only a pick runs the click step; reading the folder again drops the pick quietly.
    void fileListClickRunsOnPicksOnly()
    {
        FileListBox list;
        QSignalSpy clicks(&list, &FileListBox::click);
        list.setPattern(QStringLiteral("*.jpg"));
        list.setPath(dir_->filePath(QStringLiteral("media")));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(list.fileName(), QString());

        list.setListIndex(1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(list.fileName(), QStringLiteral("b.JPG"));

        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(list.fileName(), QStringLiteral("a.jpg"));

        list.refresh();
        list.setPath(list.path());
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(list.listIndex(), -1);
        QCOMPARE(list.fileName(), QString());

        QCOMPARE(errorOf([&] { list.setListIndex(2); }), 380);
    }

    // A click step that reads the folder again (as the picture window's does)
    // gets no second click for whatever entry took the picked one's place.
    void fileListClickStepMayReadTheFolderAgain()
    {
        FileListBox list;
        list.setPattern(QStringLiteral("*.jpg"));
        list.setPath(dir_->filePath(QStringLiteral("media")));
        QStringList picked;
        connect(&list, &FileListBox::click, &list, [&] {
            picked << list.fileName();
            list.setPath(list.path());
        });
        list.setListIndex(1);
        QCOMPARE(picked, QStringList{"b.JPG"});
        QCOMPARE(list.listIndex(), -1);
    }

    void fileListOnAMissingFolderIsEmpty()
    {
        FileListBox list;
        list.setPath(dir_->filePath(QStringLiteral("media")));
        QVERIFY(list.listCount() > 0);
        QCOMPARE(errorOf([&] { list.setPath(dir_->filePath(QStringLiteral("gone"))); }), 76);
        QCOMPARE(list.listCount(), 0);
        QCOMPARE(list.path(), QString());
    }

    // The folders from the root down to the open one, then its subfolders.
    void dirListShowsTheWayDownAndTheSubfolders()
    {
        DirListBox list;
        QSignalSpy changes(&list, &DirListBox::change);
        const QString media = dir_->filePath(QStringLiteral("media"));
        list.setPath(media + QStringLiteral("/"));
        QCOMPARE(list.path(), QDir::cleanPath(media));
        QCOMPARE(changes.count(), 1);

        const QStringList parts = QDir::cleanPath(media).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QCOMPARE(list.listCount(), parts.size() + 1 + 2);
        QCOMPARE(list.list(0), QStringLiteral("/"));
        QCOMPARE(list.list(int(parts.size())), QDir::cleanPath(media));
        QCOMPARE(list.list(int(parts.size()) + 1), QDir::cleanPath(media) + QStringLiteral("/Another"));
        QCOMPARE(list.list(int(parts.size()) + 2), QDir::cleanPath(media) + QStringLiteral("/sub"));

        // The same folder again is read again.
        list.setPath(media);
        QCOMPARE(changes.count(), 2);
    }

    void dirListOpensAFolderOnADoubleClick()
    {
        DirListBox list;
        list.resize(300, 600);
        list.show();
        list.setPath(dir_->filePath(QStringLiteral("media")));
        QSignalSpy changes(&list, &DirListBox::change);
        const int sub = list.listCount() - 1;
        emit list.itemDoubleClicked(list.item(sub));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(list.path(), QDir::cleanPath(dir_->filePath(QStringLiteral("media/sub"))));

        // Enter opens the folder the list stands on: here the parent.
        list.setCurrentRow(list.listCount() - 2);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(list.path(), QDir::cleanPath(dir_->filePath(QStringLiteral("media"))));
    }

    void dirListRefusesAMissingFolder()
    {
        DirListBox list;
        const QString media = dir_->filePath(QStringLiteral("media"));
        list.setPath(media);
        const int entries = list.listCount();
        QSignalSpy changes(&list, &DirListBox::change);
        for (const QString& wrong : {dir_->filePath(QStringLiteral("gone")), dir_->filePath(QStringLiteral("media/a.jpg")),
                                     QString()})
            QCOMPARE(errorOf([&] { list.setPath(wrong); }), 76);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(list.path(), QDir::cleanPath(media));
        QCOMPARE(list.listCount(), entries);
    }

    void tabControlBringsAPageToTheFront()
    {
        TabControl tabs;
        QWidget* first = tabs.addPage(QStringLiteral("Picture"));
        QWidget* second = tabs.addPage(QStringLiteral("Video"));
        QCOMPARE(tabs.tab(), 0);
        tabs.setTab(1);
        QCOMPARE(tabs.currentWidget(), second);
        tabs.setTab(0);
        QCOMPARE(tabs.currentWidget(), first);
        QCOMPARE(tabs.tabCaption(1), QStringLiteral("Video"));
        for (int wrong : {-1, 2})
            QCOMPARE(errorOf([&] { tabs.setTab(wrong); }), 380);
        QCOMPARE(tabs.tab(), 0);
    }
};

QTEST_MAIN(FolderListsTest)
#include "tst_folderlists.moc"
