#pragma once

#include "ProgramFixture.h"

#include <QStringList>

namespace questionwindow {
class frmMain;
}

namespace testsupport {

// A running program on a fresh copy of the sample bank, as ProgramFixture
// gives it, with the steps the question window's and the question sets'
// tests take on it: loading a set the way the other windows do, moving to a
// record, checking the scripted boxes and reading or preparing the bank.
struct QuestionWindowFixture : ProgramFixture {
    using ProgramFixture::ProgramFixture;

    // ---- Opening a set --------------------------------------------------
    // Data1 runs `recordSource` (refreshed, first record current); the window
    // is not shown yet, as a contents window leaves it before showing it.
    questionwindow::frmMain& loadSet(const QString& recordSource);
    // The chapter's set, then Show: the activation step runs.
    questionwindow::frmMain& showChapter(const QString& chapter);
    // The set with its count and its last number noted; not shown.
    questionwindow::frmMain& openCountedSet(const QString& recordSource);
    // A chapter the way a chapter button loads it: query, marker, caption,
    // count and last number; not shown.
    questionwindow::frmMain& openChapter(const QString& chapter);
    // The chapter opened as a button opens it, shown and active, and
    // unlocked for editing when asked.
    questionwindow::frmMain& showChapterForEditing(const QString& chapter, bool unlocked);

    // ---- Moving ---------------------------------------------------------
    // The set's record at `index` (from 0), reached by moves on the record
    // set itself rather than through the move buttons.
    static void moveTo(questionwindow::frmMain& window, int index);

    // ---- Reading a set ------------------------------------------------------
    // One field of every record of the set, first to last, read by moving
    // through it; the record current before is current again afterwards. An
    // empty set gives none.
    static QStringList setColumn(questionwindow::frmMain& window, const QString& field);
    // The set's database numbers, first to last.
    static QStringList setCalls(questionwindow::frmMain& window);
    // The set caption: the text of the status panel "Chapter".
    static QString setCaptionOf(questionwindow::frmMain& window);
    // The window holds exactly the rows of table1 that meet `condition` (an
    // SQL condition, read from the file in stored order) and the bookkeeping
    // of that set: its count, the last row's database number as the mark,
    // the first row current with the copies that reading aloud uses made
    // from it.
    void verifySetIs(questionwindow::frmMain& window, const QString& condition) const;

    // ---- Scripted boxes -----------------------------------------------------
    // Every box found its answer and every answer was used.
    void verifyNoBoxes() const;

    // ---- The sample bank ----------------------------------------------------
    // A number the file itself holds, read through a connection of its own.
    int storedNumber(const QString& sql) const;
    // The chapter's database numbers in set order.
    QStringList callsOf(const QString& chapter) const;
    // One value of the settings row, stored before the windows read it.
    void storeSetting(const QString& field, const QString& value);
    // The speaking character's file in the program folder; without it the
    // window runs without speech.
    void withCharacter();
    void withoutCharacter();
};

} // namespace testsupport
