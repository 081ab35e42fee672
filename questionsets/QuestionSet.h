#pragma once

#include "questionsets/SetLoading.h"

#include <QString>

namespace data {
class DataControl;
}
namespace forms {
class Form;
class StatusBar;
class TextBox;
} // namespace forms

namespace questionsets {

// What a question set asks of the window that shows it.
class SetDisplay {
public:
    // The current record shown unanswered: no option picked, answer and
    // verdict hidden, its next verdict counted.
    virtual void startFreshQuestion() = 0;
    // The current record shown with its picture and video.
    virtual void recordDisplay() = 0;

protected:
    ~SetDisplay() = default;
};

// The question set a window shows: its cursor and the hidden boxes that
// describe it. The boxes stay the window's own (its other steps and other
// windows read them); the set reads and writes them only through here, so
// every loader takes the same steps in the same words.
class QuestionSet {
public:
    // The window's controls the set works through; all of them outlive it.
    struct Parts {
        data::DataControl* cursor;  // the set's records
        forms::TextBox* call;       // bound: the current record's database number
        forms::TextBox* chapter;    // bound: the current record's chapter; empty exactly without a record
        forms::TextBox* marker;     // a chapter title, "Snore", "Sneeze", "YAYAYA"
        forms::TextBox* count;      // records in the set
        forms::TextBox* lastMark;   // database number of the set's last record
        forms::TextBox* route;      // level filter "1", "2", else both levels
        forms::TextBox* answerMode; // answer-mode code "U", "DU", "S", "D", "F"
        forms::StatusBar* status;   // its panel "Chapter" holds the caption
    };

    QuestionSet(const Parts& parts, SetDisplay& display);

    QuestionSet(const QuestionSet&) = delete;
    QuestionSet& operator=(const QuestionSet&) = delete;

    data::DataControl& cursor() const { return *parts_.cursor; }
    QString recordSource() const;

    // ---- The steps -----------------------------------------------------------

    // The status panel "Chapter": the set shown or the action just done.
    void setCaption(const QString& caption);

    QString marker() const;
    void setMarker(const QString& marker);

    // Replaces the record source and re-runs it: the first record of the new
    // set is current (all bound boxes empty for an empty set) and the record-
    // change step has run, and that record is shown unanswered (no option
    // picked, answer and verdict hidden, its verdict to be counted). A source
    // the database refuses throws.
    void setQuery(const QString& recordSource);

    // Runs a query whose rows are ordered by a per-row random key. The
    // database draws a fresh random key for every row of every run, so one run
    // is already a uniform random order (and, with a top count, a uniform
    // random choice); running it again and again would show nothing the last
    // run did not.
    void randomRequery(const QString& randomQuery);

    // The count box := the number of records in the set ("0" for an empty
    // set); the first record is current afterwards.
    void countStep();

    // The last-question mark := the database number of the set's last record
    // (empty for an empty set); the first record is current afterwards.
    void markStep();

    // The count step for a loader that stays on the first record: the record
    // count is exact without a trip to the last record and back, so the record
    // shown is neither left nor read again.
    void countInPlace();
    // The mark step for a set the user stands in: the last record's number is
    // read where it lies, so the record shown (or a question being typed) stays.
    void markInPlace();

    // The current record shown with its picture and video.
    void displayRecord();

    // Right after a set query: true when the set has no record.
    bool emptySetTest() const;

    // Ends a set menu's new set: count step, mark step, and the record display
    // of the first record, so the count, the last question and the picture and
    // video shown all belong to the set on screen rather than to the one before.
    void settleNewSet();

    // ---- What the set's boxes hold ----------------------------------------------

    // The current record's chapter; empty without a record.
    QString chapter() const;

    // The level filter; the random tests and the reviews honour it.
    Level level() const { return levelOf(route()); }
    void setRoute(const QString& route);

    void setAnswerMode(const QString& code);

private:
    bool hasRecords() const;
    QString route() const;

    Parts parts_;
    SetDisplay& display_;
};

// The question window as the windows that hand it a set reach it: the window
// and its set, loaded on first touch (after an unload, built afresh). Defined
// with the window, so the sets never name it.
struct SetWindow {
    forms::Form& window;
    QuestionSet& set;
};
SetWindow questionWindow();

} // namespace questionsets
