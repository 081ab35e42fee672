#include "support/FileQuery.h"
#include "support/ProgramFixture.h"
#include "support/SkinLabelColours.h"
#include "support/WriteProtection.h"

#include "platform/data/Quoting.h"
#include "contents/frmContents.h"
#include "printing/frmID.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using forms::form;
using printing::frmID;
using testsupport::executeSql;
using testsupport::queryColumn;
using testsupport::queryValue;

namespace {

frmID& users() { return form<frmID>(); }

QStringList listed(const frmID& w)
{
    QStringList names;
    for (int i = 0; i < w.List1->listCount(); ++i)
        names << w.List1->list(i);
    return names;
}

void pick(frmID& w, const QString& name)
{
    const int index = int(listed(w).indexOf(name));
    QVERIFY2(index >= 0, qPrintable(name));
    w.List1->setListIndex(index);
    w.List1_Click();
}

// What the buttons offer, in one word per button: First Back Next Last New
// Save Delete Reset OK, "-" for a button that is off.
QString offered(const frmID& w)
{
    QStringList state;
    for (const forms::CommandButton* button : {w.cmdFirst, w.cmdBack, w.cmdNext, w.cmdLast, w.cmdNew, w.cmdSave,
                                               w.cmdDelete, w.cmdReset, w.cmdOK})
        state << (button->isEnabled() ? button->objectName().mid(3) : QStringLiteral("-"));
    return state.join(QLatin1Char(' '));
}

const QString everything = QStringLiteral("First Back Next Last New Save Delete Reset OK");
const QString locked = QStringLiteral("- - - - - Save - - -");
const QString saved = QStringLiteral("First Back Next Last New - Delete Reset OK");
const QString lastUserTitle = QStringLiteral("Ember Scout - Brisolt Software");

} // namespace

// The users window: the list of users in the users table, the current user,
// and the rows it adds, changes and deletes.
class tst_frmID : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString db() const { return fixture->databasePath(); }

    // First names of the users of a last name, in stored order.
    QStringList firstNamesOf(const QString& last) const
    {
        return queryColumn(db(), QStringLiteral("SELECT first FROM Table5 WHERE last = %1 ORDER BY rowid")
                                     .arg(data::sqlText(last)));
    }
    QStringList storedLastNames() const
    {
        return queryColumn(db(), QStringLiteral("SELECT last FROM Table5 ORDER BY rowid"));
    }

    // Every first name the navigation reaches, from First to the last user.
    QStringList reachable(frmID& w)
    {
        QStringList names;
        w.cmdFirst_Click();
        fixture->boxes.answer(forms::vbOK); // for "Last User In Database.", which ends the walk
        for (int guard = 0; guard < 50; ++guard) {
            names << w.txtName->text();
            const qsizetype before = fixture->boxes.shown().size();
            w.cmdNext_Click();
            if (fixture->boxes.shown().size() > before)
                break;
        }
        return names;
    }

    // The users the sample gives, and with them users whose last names
    // break a query built by pasting the name in, and a second Delgado.
    void addAwkwardUsers()
    {
        executeSql(db(), "INSERT INTO Table5 (first, last, city) VALUES ('Nora', 'Delgado', 'Easton')");
        executeSql(db(), "INSERT INTO Table5 (first, last, city) VALUES ('Quinn', 'x'' OR ''1''=''1', 'Nowhere')");
        executeSql(db(), "INSERT INTO Table5 (first, last, city) VALUES ('Liam', 'O''Brien', 'Salem')");
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup()
    {
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        fixture.reset();
    }

    // Loading shows the first user of the table and lists every last name;
    // every button is offered.
    void loadsTheFirstUserAndEveryName()
    {
        frmID& w = users();
        QCOMPARE(w.caption(), QStringLiteral("User Information"));
        QCOMPARE(listed(w), storedLastNames());
        QCOMPARE(w.txtLast->text(), storedLastNames().value(0));
        QCOMPARE(w.txtName->text(), QStringLiteral("Maria"));
        QCOMPARE(w.txtCity->text(), QStringLiteral("Pine Hollow"));
        QCOMPARE(offered(w), everything);
        QCOMPARE(w.txtLook->text(), QStringLiteral("txtLook"));
        QVERIFY(w.txtComments->isEnabled());
    }

    // An empty table: empty, disabled boxes, only New, Reset and OK. The
    // first user is stored like any other, and the program goes on.
    void firstUserIntoAnEmptyTable()
    {
        executeSql(db(), "DELETE FROM Table5");
        frmID& w = users();
        QCOMPARE(offered(w), QStringLiteral("- - - - New - - Reset OK"));
        QVERIFY(!w.txtLast->isEnabled());
        QVERIFY(!w.txtComments->isEnabled());
        QVERIFY(w.txtLast->text().isEmpty());

        w.Show();
        w.cmdNew_Click();
        QVERIFY(w.txtLast->isEnabled());
        QCOMPARE(offered(w), locked);
        QTest::keyClicks(w.txtLast->editor(), QStringLiteral("O'Brien"));
        w.txtName->setText(QStringLiteral("Kevin"));
        w.cmdSave_Click();

        QCOMPARE(storedLastNames(), QStringList{"O'Brien"});
        QCOMPARE(firstNamesOf(QStringLiteral("O'Brien")), QStringList{"Kevin"});
        QCOMPARE(listed(w), QStringList{"O'Brien"});
        QVERIFY(forms::App::current().isLoaded<frmID>());
        QCOMPARE(w.txtLast->text(), QStringLiteral("O'Brien"));
        QCOMPARE(offered(w), saved);
        QCOMPARE(w.txtLook->text(), QStringLiteral("Old"));
    }

    // Next stops at the last user and says so; Back stops at the first
    // without a word.
    void movesStopAtTheEnds()
    {
        frmID& w = users();
        const QStringList names = storedLastNames();
        w.cmdLast_Click();
        QCOMPARE(w.txtLast->text(), names.last());
        fixture->boxes.answer(forms::vbOK);
        w.cmdNext_Click();
        QCOMPARE(w.txtLast->text(), names.last());
        const forms::ShownBox told = fixture->boxes.shown().value(0);
        QCOMPARE(told.text, QStringLiteral("Last User In Database."));
        QCOMPARE(told.title, lastUserTitle);
        QCOMPARE(told.icon, int(forms::vbExclamation));

        w.cmdFirst_Click();
        w.cmdBack_Click();
        QCOMPARE(w.txtLast->text(), names.first());
        w.cmdNext_Click();
        QCOMPARE(w.txtLast->text(), names.value(1));
        QCOMPARE(int(fixture->boxes.shown().size()), 1);
    }

    // Picking a name shows its users only, also names that would break a
    // query built by pasting them in; Reset brings back every user.
    void pickNarrowsToOneName_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("firstNames");
        QTest::newRow("apostrophe") << "O'Brien" << QStringList{"Kevin", "Liam"};
        QTest::newRow("quote and OR") << "x' OR '1'='1" << QStringList{"Quinn"};
        QTest::newRow("two of one name") << "Delgado" << QStringList{"Maria", "Nora"};
        QTest::newRow("one of its name") << "Whitfield" << QStringList{"Tanya"};
    }
    void pickNarrowsToOneName()
    {
        QFETCH(QString, last);
        QFETCH(QStringList, firstNames);
        addAwkwardUsers();
        frmID& w = users();
        pick(w, last);
        QCOMPARE(w.txtLast->text(), last);
        QCOMPARE(reachable(w), firstNames);
        QCOMPARE(fixture->boxes.shown().last().title, lastUserTitle);

        w.cmdReset_Click();
        QCOMPARE(w.txtName->text(), QStringLiteral("Maria"));
        QCOMPARE(reachable(w).size(), storedLastNames().size());
    }

    // Delete takes the user shown and no other: not his namesakes, not the
    // name the list shows, and never the rows a quote in the name could
    // reach. The window reads the users again, so the deleted one is gone
    // from the moves and the list.
    void deleteRemovesExactlyTheUserShown_data()
    {
        QTest::addColumn<QString>("pickedName");
        QTest::addColumn<int>("nextMoves");
        QTest::addColumn<QString>("deletedFirst");
        QTest::newRow("apostrophe, first of two") << "O'Brien" << 0 << "Kevin";
        QTest::newRow("apostrophe, second of two") << "O'Brien" << 1 << "Liam";
        QTest::newRow("quote and OR") << "x' OR '1'='1" << 0 << "Quinn";
        QTest::newRow("namesake kept") << "Delgado" << 1 << "Nora";
        QTest::newRow("list names another") << "" << 2 << "Tanya";
    }
    void deleteRemovesExactlyTheUserShown()
    {
        QFETCH(QString, pickedName);
        QFETCH(int, nextMoves);
        QFETCH(QString, deletedFirst);
        addAwkwardUsers();
        const QStringList before = queryColumn(db(), "SELECT first FROM Table5 ORDER BY rowid");
        frmID& w = users();
        if (pickedName.isEmpty()) {
            // The list still names O'Brien while every user is shown again.
            pick(w, QStringLiteral("O'Brien"));
            w.cmdReset_Click();
        } else {
            pick(w, pickedName);
        }
        for (int i = 0; i < nextMoves; ++i)
            w.cmdNext_Click();
        QCOMPARE(w.txtName->text(), deletedFirst);

        fixture->boxes.answer(forms::vbYes);
        w.cmdDelete_Click();
        const forms::ShownBox asked = fixture->boxes.shown().value(0);
        QCOMPARE(asked.text, QStringLiteral("Do You Really Want To Delete This User?"));
        QCOMPARE(asked.title, QStringLiteral("Brisolt"));
        QCOMPARE(asked.buttons, int(forms::vbYesNoCancel));

        QStringList expected = before;
        expected.removeOne(deletedFirst);
        QCOMPARE(queryColumn(db(), "SELECT first FROM Table5 ORDER BY rowid"), expected);
        QCOMPARE(listed(w), storedLastNames());
        QVERIFY(w.txtName->text() != deletedFirst);
        w.cmdReset_Click();
        QVERIFY(!reachable(w).contains(deletedFirst));
    }

    // Only Yes deletes; every answer reads the list again.
    void deleteDeclined_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(forms::vbNo);
        QTest::newRow("Cancel") << int(forms::vbCancel);
    }
    void deleteDeclined()
    {
        QFETCH(int, answer);
        frmID& w = users();
        const QStringList before = storedLastNames();
        fixture->boxes.answer(answer);
        w.cmdDelete_Click();
        QCOMPARE(storedLastNames(), before);
        QCOMPARE(listed(w), before);
        QCOMPARE(w.txtName->text(), QStringLiteral("Maria"));
    }

    // Deleting the last user of a picked name leaves no user shown: only
    // New, Reset and OK make sense then.
    void deletingTheLastShownUser()
    {
        frmID& w = users();
        pick(w, QStringLiteral("Whitfield"));
        fixture->boxes.answer(forms::vbYes);
        w.cmdDelete_Click();
        QVERIFY(w.txtLast->text().isEmpty());
        QCOMPARE(offered(w), QStringLiteral("- - - - New - - Reset OK"));
        QVERIFY(firstNamesOf(QStringLiteral("Whitfield")).isEmpty());
        w.cmdReset_Click();
        QCOMPARE(w.txtName->text(), QStringLiteral("Maria"));
    }

    // With no user shown there is nothing to type into, so nothing can wait
    // for a Save that has no row to store; Reset brings the users back,
    // ready to change and to move among.
    void noUserShownLeavesNothingToType()
    {
        frmID& w = users();
        w.Show();
        pick(w, QStringLiteral("Whitfield"));
        fixture->boxes.answer(forms::vbYes);
        w.cmdDelete_Click();
        for (forms::TextBox* box : {w.txtName, w.txtLast, w.txtCity, w.txtComments})
            QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
        QVERIFY(w.txtLast->text().isEmpty());
        QCOMPARE(offered(w), QStringLiteral("- - - - New - - Reset OK"));

        w.cmdReset_Click();
        QCOMPARE(offered(w), everything);
        QVERIFY(w.txtLast->isEnabled());
        QTest::keyClicks(w.txtCity->editor(), QStringLiteral("x"));
        w.cmdSave_Click();
        QCOMPARE(offered(w), saved);
        QCOMPARE(reachable(w).size(), storedLastNames().size());
    }

    // A new user whose Save was refused for want of a last name is dropped
    // when the user leaves him (a name picked, Reset, the window closed):
    // nothing half-made is stored, and the window is not left locked.
    void halfMadeUserIsNeverStored_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::newRow("pick a name") << "pick";
        QTest::newRow("reset") << "reset";
        QTest::newRow("close") << "close";
    }
    void halfMadeUserIsNeverStored()
    {
        QFETCH(QString, leave);
        frmID& w = users();
        w.Show();
        const QStringList before = storedLastNames();
        w.cmdNew_Click();
        QTest::keyClicks(w.txtName->editor(), QStringLiteral("Nameless"));
        fixture->boxes.answer(forms::vbOK);
        w.cmdSave_Click();
        QCOMPARE(offered(w), locked);

        if (leave == QLatin1String("pick"))
            pick(w, QStringLiteral("Whitfield"));
        else if (leave == QLatin1String("reset"))
            w.cmdReset_Click();
        else
            QVERIFY(w.Unload());
        QCOMPARE(queryValue(db(), "SELECT count(*) FROM Table5 WHERE first = 'Nameless'").toInt(), 0);
        QCOMPARE(storedLastNames(), before);
        if (leave == QLatin1String("close"))
            return;
        QCOMPARE(offered(w), everything);
        QVERIFY(w.txtName->text() != QLatin1String("Nameless"));
        QCOMPARE(listed(w), before);
    }

    // Save stores the shown row in every state the window can be in: a
    // change typed in the window as loaded, a new user, and a second change
    // of the user just saved, which changes his row in place.
    void saveStoresTheShownRow()
    {
        frmID& w = users();
        w.Show();
        const int count = int(storedLastNames().size());

        QTest::keyClick(w.txtCity->editor(), Qt::Key_End);
        QTest::keyClicks(w.txtCity->editor(), QStringLiteral(" East"));
        QCOMPARE(offered(w), locked);
        w.cmdSave_Click();
        QCOMPARE(queryValue(db(), "SELECT city FROM Table5 WHERE first = 'Maria'").toString(),
                 QStringLiteral("Pine Hollow East"));
        QCOMPARE(offered(w), saved);

        w.cmdNew_Click();
        QVERIFY(w.txtLast->text().isEmpty());
        QCOMPARE(w.txtLook->text(), QStringLiteral("New"));
        QTest::keyClicks(w.txtName->editor(), QStringLiteral("Ada"));
        QTest::keyClicks(w.txtLast->editor(), QStringLiteral("O'Neil"));
        w.cmdSave_Click();
        QCOMPARE(int(storedLastNames().size()), count + 1);
        QCOMPARE(storedLastNames().last(), QStringLiteral("O'Neil"));
        QCOMPARE(w.txtName->text(), QStringLiteral("Ada"));
        QCOMPARE(listed(w), storedLastNames());

        QTest::keyClicks(w.txtPhone->editor(), QStringLiteral("555-0100"));
        w.cmdSave_Click();
        QCOMPARE(int(storedLastNames().size()), count + 1);
        QCOMPARE(queryValue(db(), "SELECT phone FROM Table5 WHERE last = 'O''Neil'").toString(),
                 QStringLiteral("555-0100"));
        QCOMPARE(w.txtLook->text(), QStringLiteral("Old"));
    }

    // Without a last name nothing is saved and the window stays locked.
    void saveRefusesAnEmptyLastName()
    {
        frmID& w = users();
        w.Show();
        w.cmdNew_Click();
        QTest::keyClicks(w.txtName->editor(), QStringLiteral("Nameless"));
        fixture->boxes.answer(forms::vbOK);
        w.cmdSave_Click();
        const forms::ShownBox told = fixture->boxes.shown().value(0);
        QVERIFY(told.text.startsWith(QStringLiteral("Hey!, Does this person have a last name???")));
        QCOMPARE(told.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(told.icon, int(forms::vbCritical));
        QCOMPARE(offered(w), locked);
        QCOMPARE(w.txtLook->text(), QStringLiteral("New"));
        QVERIFY(firstNamesOf(QString()).isEmpty());
        QCOMPARE(queryValue(db(), "SELECT count(*) FROM Table5 WHERE first = 'Nameless'").toInt(), 0);
    }

    // A row the file refuses is told, stays in the boxes with the window
    // locked, and is stored by the next Save; the program goes on.
    void failedSaveIsToldAndKept()
    {
        frmID& w = users();
        w.Show();
        w.cmdNew_Click();
        QTest::keyClicks(w.txtLast->editor(), QStringLiteral("Okafor"));
        {
            const testsupport::WriteProtection readOnly(fixture->folder.path());
            fixture->boxes.answer(forms::vbOK);
            w.cmdSave_Click();
        }
        const forms::ShownBox told = fixture->boxes.shown().value(0);
        QVERIFY2(told.text.startsWith(QStringLiteral("The user could not be saved.")), qPrintable(told.text));
        QVERIFY(forms::App::current().isLoaded<frmID>());
        QCOMPARE(offered(w), locked);
        QCOMPARE(w.txtLast->text(), QStringLiteral("Okafor"));
        QVERIFY(firstNamesOf(QStringLiteral("Okafor")).isEmpty());

        w.cmdSave_Click();
        QCOMPARE(firstNamesOf(QStringLiteral("Okafor")).size(), 1);
        QCOMPARE(offered(w), saved);
    }

    // Any key in the ten boxes locks the window; the comments do not, and
    // Enter moves on as Tab does.
    void typingLocks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("locks");
        for (const char* name : {"txtName", "txtLast", "txtCompany", "txtAddress", "txtCity", "txtState", "txtZip",
                                 "txtPhone", "txtFax", "txtEmail"})
            QTest::newRow(name) << name << true;
        QTest::newRow("txtComments") << "txtComments" << false;
    }
    void typingLocks()
    {
        QFETCH(QString, box);
        QFETCH(bool, locks);
        frmID& w = users();
        w.Show();
        auto* typed = w.findChild<forms::TextBox*>(box);
        QVERIFY(typed);
        QTest::keyClicks(typed->editor(), QStringLiteral("x"));
        QCOMPARE(offered(w), locks ? locked : everything);
    }

    void enterMovesOn()
    {
        frmID& w = users();
        w.Show();
        QApplication::setActiveWindow(&w);
        w.txtCity->setFocus();
        int enter = 13;
        w.userBox_KeyPress(enter);
        QCOMPARE(w.focusWidget(), w.txtState->editor());
        QCOMPARE(offered(w), locked);
    }

    // The question window's menu item shows the window; OK hides it and
    // the shown last name becomes the question window's user.
    void okMakesTheShownUserCurrent()
    {
        auto& main = form<questionwindow::frmMain>();
        main.mnuUser->trigger();
        frmID& w = users();
        QVERIFY(w.isVisible());
        pick(w, QStringLiteral("O'Brien"));
        w.cmdOK_Click();
        QVERIFY(!w.isVisible());
        QVERIFY(forms::App::current().isLoaded<frmID>());
        QCOMPARE(main.txtUser->text(), QStringLiteral("O'Brien"));

        // Shown again, it still stands on the picked user.
        main.mnuUser_Click();
        QCOMPARE(w.txtLast->text(), QStringLiteral("O'Brien"));
    }

    // The captions lie on the skin's picture: they take the skin's label
    // colour, white on the dark skins.
    void captionsTakeTheSkinsLabelColour_data() { testsupport::addSkinLabelColourRows(); }
    void captionsTakeTheSkinsLabelColour()
    {
        QFETCH(QString, skin);
        QFETCH(int, labelColor);
        form<contents::frmContents>().txtSkin->setText(skin);
        frmID& w = users();
        w.Show();
        QCOMPARE(w.Label1.count(), 11);
        for (int index : w.Label1.indexes())
            QCOMPARE(w.Label1[index]->foreColor(), labelColor);
    }
};

QTEST_MAIN(tst_frmID)
#include "tst_frmid.moc"
