#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace questionwindow {

// What the speaking character is asked to say for each kind of reading, one
// string per speak request in the order they are queued, and where it stands
// for it. Kept apart from the window so the texts can be checked alone.

// The copies of the current record that are read: the question and its four
// answers as the screen showed them when the reading started.
struct RecordCopies {
    QString question;
    QString a;
    QString b;
    QString c;
    QString d;
};

// The text of the answer whose letter is given, "A" to "D"; none for any
// other letter.
std::optional<QString> answerText(const RecordCopies& record, const QString& letter);

// The read button: the question and the four answers, the last ending in
// tag 2; a flash card only the question.
QStringList readButtonRequests(const RecordCopies& record, bool flashCard);

// One presentation item: the question, the answers and the correct one (a
// flash card only the question and the correct answer's text), then the
// closing request: tag 1 on to the next record, or at the set's last
// record the closing words with tag 6.
QStringList presentationRequests(const RecordCopies& record, const QString& correctLetter, bool flashCard,
                                 bool lastRecord);

// The read-aloud mode: the question and the answers, the last ending in
// tag 3, which starts the answer pause.
QStringList readAloudRequests(const RecordCopies& record);

// The end of the answer pause: the correct answer, ending in tag 4, which
// moves on. Without a correct letter "A" to "D" there is no tag, so the
// cycle ends there.
QStringList answerPauseRequests(const RecordCopies& record, const QString& correctLetter);

// Where the character stands, by the screen-size text; none leaves it
// where it is.
enum class Reading { ReadButton, Presentation };
std::optional<QPoint> readingPosition(Reading reading, const QString& screenSize);
// While a presentation item's video plays, whatever the screen.
inline constexpr QPoint videoPosition{535, 410};

// The answer pause in milliseconds for the slider's value in seconds.
int answerPauseInterval(int sliderSeconds);

} // namespace questionwindow
