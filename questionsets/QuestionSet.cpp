#include "questionsets/QuestionSet.h"

#include "platform/data/DataControl.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "settings/Markers.h"

namespace questionsets {

QuestionSet::QuestionSet(const Parts& parts, SetDisplay& display) : parts_(parts), display_(display) {}

QString QuestionSet::recordSource() const
{
    return parts_.cursor->recordSource();
}

bool QuestionSet::hasRecords() const
{
    return parts_.cursor->hasRecords();
}

void QuestionSet::setCaption(const QString& caption)
{
    parts_.status->panel(markers::chapterPanel)->setText(caption);
}

QString QuestionSet::marker() const
{
    return parts_.marker->text();
}

void QuestionSet::setMarker(const QString& marker)
{
    parts_.marker->setText(marker);
}

// The pick, the verdict and the counted-once flag belong to the question
// they were given on: whatever set comes next starts on a question not yet
// answered, whose answer counts.
void QuestionSet::setQuery(const QString& recordSource)
{
    parts_.cursor->setRecordSource(recordSource);
    parts_.cursor->refresh();
    display_.startFreshQuestion();
}

void QuestionSet::randomRequery(const QString& randomQuery)
{
    setQuery(randomQuery);
}

// An empty set has no last record to move to; its count is simply 0.
void QuestionSet::countStep()
{
    if (!hasRecords()) {
        parts_.count->setText(QStringLiteral("0"));
        return;
    }
    auto& records = parts_.cursor->recordset();
    records.moveLast();
    parts_.count->setText(QString::number(records.recordCount()));
    records.moveFirst();
}

// An empty set has no last question; the empty mark matches its empty
// database number.
void QuestionSet::markStep()
{
    if (!hasRecords()) {
        parts_.lastMark->setText(QString());
        return;
    }
    auto& records = parts_.cursor->recordset();
    records.moveLast();
    parts_.lastMark->setText(parts_.call->text());
    records.moveFirst();
}

void QuestionSet::countInPlace()
{
    const int count = hasRecords() ? parts_.cursor->recordset().recordCount() : 0;
    parts_.count->setText(QString::number(count));
}

void QuestionSet::markInPlace()
{
    if (!hasRecords()) {
        parts_.lastMark->setText(QString());
        return;
    }
    const data::Recordset& records = parts_.cursor->recordset();
    const QVariant last = records.valueAt(records.recordCount() - 1, QStringLiteral("Call"));
    parts_.lastMark->setText(last.isNull() ? QString() : last.toString());
}

void QuestionSet::displayRecord()
{
    display_.recordDisplay();
}

bool QuestionSet::emptySetTest() const
{
    return parts_.chapter->text().isEmpty();
}

void QuestionSet::settleNewSet()
{
    countStep();
    markStep();
    displayRecord();
}

QString QuestionSet::chapter() const
{
    return parts_.chapter->text();
}

QString QuestionSet::route() const
{
    return parts_.route->text();
}

void QuestionSet::setRoute(const QString& route)
{
    parts_.route->setText(route);
}

void QuestionSet::setAnswerMode(const QString& code)
{
    parts_.answerMode->setText(code);
}

} // namespace questionsets
