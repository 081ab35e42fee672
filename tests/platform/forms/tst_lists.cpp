#include "platform/core/RuntimeError.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/ListBox.h"

#include "platform/forms/Qv3dLabel.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace forms;

class ListsTest : public QObject {
    Q_OBJECT

private slots:
    void addRemoveAndRead();
    void sortedListIgnoresLetterCase_data();
    void sortedListIgnoresLetterCase();
    void sortingLaterKeepsTheSelection();
    void clickRunsWhenTheSelectionChanges();
    void refusedIndexes_data();
    void refusedIndexes();
    void userSelectionAndDoubleClick();
    void comboAddingSelectsNothing();
    void dropsReachOnlyListsThatTakeThem_data();
    void dropsReachOnlyListsThatTakeThem();
    void itemsMeasureAsTheStyleDoes();
};

namespace {

// A drop as the window system delivers it; whether the list took it.
bool dropOn(ListBox& list, QMimeData* mime)
{
    QWidget* target = list.viewport();
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

void ListsTest::addRemoveAndRead()
{
    ListBox list;
    list.addItem(QStringLiteral("Hose"));
    list.addItem(QStringLiteral("Ladder"));
    list.addItem(QStringLiteral("Axe"), 0);
    QCOMPARE(list.newIndex(), 0);
    QCOMPARE(list.listCount(), 3);
    QCOMPARE(list.list(0), QStringLiteral("Axe"));
    QCOMPARE(list.list(2), QStringLiteral("Ladder"));
    QCOMPARE(list.list(3), QString()); // past the end reads empty
    QCOMPARE(list.listIndex(), -1);
    QCOMPARE(list.text(), QString());

    list.setListIndex(2);
    QCOMPARE(list.text(), QStringLiteral("Ladder"));
    list.removeItem(0);
    QCOMPARE(list.listIndex(), 1); // the selection moves with its item
    QCOMPARE(list.text(), QStringLiteral("Ladder"));
    list.removeItem(1);
    QCOMPARE(list.listIndex(), -1);
    list.clear();
    QCOMPARE(list.listCount(), 0);
}

void ListsTest::sortedListIgnoresLetterCase_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("mixed case") << QStringList{"pike pole", "Axe", "halligan", "Ladder"}
                                << QStringList{"Axe", "halligan", "Ladder", "pike pole"};
    QTest::newRow("equal texts keep their order") << QStringList{"b", "A", "a", "B"}
                                                  << QStringList{"A", "a", "b", "B"};
}

void ListsTest::sortedListIgnoresLetterCase()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    ListBox list;
    list.setSorted(true);
    for (const QString& text : added)
        list.addItem(text);
    QStringList shown;
    for (int i = 0; i < list.listCount(); ++i)
        shown << list.list(i);
    QCOMPARE(shown, expected);
    QCOMPARE(list.list(list.newIndex()), added.last());
}

void ListsTest::sortingLaterKeepsTheSelection()
{
    ListBox list;
    for (const char* text : {"Nozzle", "axe", "Hydrant"})
        list.addItem(QString::fromLatin1(text));
    list.setListIndex(0);
    QSignalSpy clicks(&list, &ListBox::click);
    list.setSorted(true);
    QCOMPARE(list.list(0), QStringLiteral("axe"));
    QCOMPARE(list.text(), QStringLiteral("Nozzle"));
    QCOMPARE(list.listIndex(), 2);
    QCOMPARE(clicks.count(), 0);
}

void ListsTest::clickRunsWhenTheSelectionChanges()
{
    ListBox list;
    QSignalSpy clicks(&list, &ListBox::click);
    list.addItem(QStringLiteral("one"));
    list.addItem(QStringLiteral("two"));
    QCOMPARE(clicks.count(), 0); // adding selects nothing

    list.setListIndex(1);
    QCOMPARE(clicks.count(), 1);
    list.setListIndex(1);
    QCOMPARE(clicks.count(), 1);
    list.setListIndex(-1);
    QCOMPARE(clicks.count(), 2);
    list.setListIndex(0);
    list.removeItem(0);
    list.clear();
    QCOMPARE(clicks.count(), 3); // removing and clearing run no step
}

void ListsTest::refusedIndexes_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number");
    QTest::newRow("select past the end") << 0 << 2 << 380;
    QTest::newRow("select below -1") << 0 << -2 << 380;
    QTest::newRow("remove past the end") << 1 << 2 << 5;
    QTest::newRow("remove -1") << 1 << -1 << 5;
    QTest::newRow("insert past the end") << 2 << 3 << 5;
}

void ListsTest::refusedIndexes()
{
    QFETCH(int, operation);
    QFETCH(int, index);
    QFETCH(int, number);
    ListBox list;
    list.addItem(QStringLiteral("one"));
    list.addItem(QStringLiteral("two"));
    try {
        if (operation == 0)
            list.setListIndex(index);
        else if (operation == 1)
            list.removeItem(index);
        else
            list.addItem(QStringLiteral("three"), index);
        QFAIL("the index was taken");
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.number(), number);
    }
    QCOMPARE(list.listCount(), 2);
}

void ListsTest::userSelectionAndDoubleClick()
{
    ListBox list;
    for (const char* text : {"Engine", "Truck", "Rescue"})
        list.addItem(QString::fromLatin1(text));
    list.resize(200, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicks(&list, &ListBox::click);
    QSignalSpy doubles(&list, &ListBox::dblClick);
    QSignalSpy downs(&list, &ListBox::mouseDown);
    const QPoint onTruck = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, onTruck);
    QCOMPARE(list.text(), QStringLiteral("Truck"));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.first().at(0).toInt(), 1);
    QCOMPARE(downs.first().at(2).toInt(), onTruck.x() * 15); // twips
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, onTruck);
    QCOMPARE(doubles.count(), 1);
}

void ListsTest::comboAddingSelectsNothing()
{
    ComboBox combo(nullptr, ComboBox::DropDownCombo);
    combo.setText(QStringLiteral("typed"));
    QSignalSpy clicks(&combo, &ComboBox::click);
    combo.addItem(QStringLiteral("Engine"));
    combo.addItem(QStringLiteral("Ladder"));
    QCOMPARE(combo.listIndex(), -1);
    QCOMPARE(combo.text(), QStringLiteral("typed"));
    QCOMPARE(clicks.count(), 0);
    combo.setListIndex(1);
    QCOMPARE(combo.text(), QStringLiteral("Ladder"));
    QCOMPARE(clicks.count(), 1);

    ComboBox fixed(nullptr, ComboBox::DropDownList);
    fixed.addItem(QStringLiteral("Engine"));
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, fixed.setText(QStringLiteral("not an item")));
    fixed.setText(QStringLiteral("engine"));
    QCOMPARE(fixed.listIndex(), 0);
}

// A list takes only what the program's own drags carry, and only when it is
// meant to take entries.
void ListsTest::dropsReachOnlyListsThatTakeThem_data()
{
    QTest::addColumn<bool>("takesDrops");
    QTest::addColumn<bool>("titleDrag"); // false: plain text from another program
    QTest::addColumn<bool>("taken");
    QTest::newRow("entry on a list that takes drops") << true << true << true;
    QTest::newRow("entry on a list that does not") << false << true << false;
    QTest::newRow("plain text") << true << false << false;
}

void ListsTest::dropsReachOnlyListsThatTakeThem()
{
    QFETCH(bool, takesDrops);
    QFETCH(bool, titleDrag);
    QFETCH(bool, taken);
    ListBox list;
    list.setAcceptsEntryDrops(takesDrops);
    QSignalSpy drops(&list, &ListBox::dragDrop);
    std::unique_ptr<QMimeData> mime(titleDrag ? Qv3dLabel::titleMimeData(QStringLiteral("Captain's Duties"))
                                              : new QMimeData);
    if (!titleDrag)
        mime->setText(QStringLiteral("Captain's Duties"));

    QCOMPARE(dropOn(list, mime.get()), taken);
    QCOMPARE(drops.count(), taken ? 1 : 0);
    if (taken)
        QCOMPARE(drops.first().first().toString(), QStringLiteral("Captain's Duties"));
    QCOMPARE(list.listCount(), 0); // the list itself adds nothing: the drop's step decides
}


// The list keeps what its items measure; filled again with the same texts
// after its font or its style changed, it measures them as a plain list of
// the same font and style does, so no title is cut off or scrolled short.
void ListsTest::itemsMeasureAsTheStyleDoes()
{
    const QStringList texts{QStringLiteral("Hose"), QStringLiteral("Ladders and the Ropes They Are Tied With"),
                            QStringLiteral("Fire Fighter's Safety"), QStringLiteral("Hose")};
    ListBox list;
    QListWidget plain;
    const auto fillBoth = [&] {
        list.clear();
        plain.clear();
        for (const QString& text : texts) {
            list.addItem(text);
            plain.addItem(text);
        }
    };
    const auto compareBoth = [&](const char* after) {
        for (int row = 0; row < texts.size(); ++row) {
            QVERIFY2(list.sizeHintForIndex(list.model()->index(row, 0))
                         == plain.sizeHintForIndex(plain.model()->index(row, 0)),
                     qPrintable(QStringLiteral("row %1 after %2").arg(row).arg(QLatin1String(after))));
        }
    };
    fillBoth();
    compareBoth("the first fill");
    fillBoth();
    compareBoth("a fill with the same texts");

    QFont bigger = list.font();
    bigger.setPointSize(bigger.pointSize() * 3);
    list.setFont(bigger);
    plain.setFont(bigger);
    fillBoth();
    compareBoth("a larger font");

    const QString padded = QStringLiteral("QListView::item { padding: 9px 13px; }");
    list.setStyleSheet(padded);
    plain.setStyleSheet(padded);
    fillBoth();
    compareBoth("a style with padding");
}

QTEST_MAIN(ListsTest)
#include "tst_lists.moc"
