#include "platform/thesaurus/ThesaurusControl.h"

#include "platform/thesaurus/ThesaurusFile.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace thesaurus {

ThesaurusControl::ThesaurusControl(QWidget* parent, QString programFolder)
    : QWidget(parent), programFolder_(std::move(programFolder))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);

    wordLabel_ = new QLabel(this);
    wordLabel_->setObjectName(QStringLiteral("word"));
    wordLabel_->setTextFormat(Qt::PlainText);
    QFont bold = wordLabel_->font();
    bold.setBold(true);
    wordLabel_->setFont(bold);

    auto* meaningsTitle = new QLabel(QStringLiteral("Meanings:"), this);
    auto* synonymsTitle = new QLabel(QStringLiteral("Synonyms:"), this);
    meaningList_ = new QListWidget(this);
    meaningList_->setObjectName(QStringLiteral("meanings"));
    meaningList_->setAccessibleName(QStringLiteral("Meanings"));
    synonymList_ = new QListWidget(this);
    synonymList_->setObjectName(QStringLiteral("synonyms"));
    synonymList_->setAccessibleName(QStringLiteral("Synonyms"));
    meaningsTitle->setBuddy(meaningList_);
    synonymsTitle->setBuddy(synonymList_);

    noticeLabel_ = new QLabel(this);
    noticeLabel_->setObjectName(QStringLiteral("notice"));
    noticeLabel_->setTextFormat(Qt::PlainText);
    noticeLabel_->setWordWrap(true);

    grid->addWidget(wordLabel_, 0, 0, 1, 2);
    grid->addWidget(meaningsTitle, 1, 0);
    grid->addWidget(synonymsTitle, 1, 1);
    grid->addWidget(meaningList_, 2, 0);
    grid->addWidget(synonymList_, 2, 1);
    grid->addWidget(noticeLabel_, 3, 0, 1, 2);

    connect(meaningList_, &QListWidget::currentRowChanged, this, &ThesaurusControl::showMeaning);
    // A click picks a synonym, and so does Enter on the one the keys reached.
    connect(synonymList_, &QListWidget::itemClicked, this, &ThesaurusControl::synonymPicked);
    connect(synonymList_, &QListWidget::itemActivated, this, &ThesaurusControl::synonymPicked);
}

ThesaurusControl::~ThesaurusControl() = default;

void ThesaurusControl::setText(const QString& text)
{
    text_ = text;
    found_ = {};
    synonymsOfMeaning_.clear();
    wordLabel_->setText(text);
    meaningList_->clear();
    synonymList_->clear();
    noticeLabel_->clear();
}

void ThesaurusControl::setWord(const QString& word)
{
    setText(word);
    const QList<WordSpan> spans = wordSpans(word);
    if (spans.isEmpty()) {
        noticeLabel_->setText(QStringLiteral("Type a word to look up."));
        return;
    }
    if (!haveFile()) {
        noticeLabel_->setText(QStringLiteral("No thesaurus is installed."));
        return;
    }
    const QList<Meaning> meanings = lookUp(word, spans);
    if (meanings.isEmpty()) {
        noticeLabel_->setText(QStringLiteral("No synonyms found for \"%1\".").arg(word.trimmed()));
        return;
    }
    for (const Meaning& meaning : meanings) {
        meaningList_->addItem(plainSynonym(meaning.definition));
        synonymsOfMeaning_.append(meaning.synonyms);
    }
    meaningList_->setCurrentRow(0);
}

// The form as typed first; only when no place of the word is listed, the
// dictionary forms of each place, with a word on which form was found.
QList<Meaning> ThesaurusControl::lookUp(const QString& word, const QList<WordSpan>& spans)
{
    for (const WordSpan& span : spans) {
        QList<Meaning> meanings = file_->lookup(lookupKey(QStringView(word).mid(span.start, span.length)));
        if (!meanings.isEmpty()) {
            found_ = span;
            return meanings;
        }
    }
    if (!stemmer_)
        return {};
    for (const WordSpan& span : spans) {
        const QString typed = word.mid(span.start, span.length);
        for (const QString& stem : stemmer_(typed)) {
            QList<Meaning> meanings = file_->lookup(lookupKey(stem));
            if (meanings.isEmpty())
                continue;
            found_ = span;
            wordLabel_->setText(stem);
            noticeLabel_->setText(QStringLiteral("\"%1\" is not listed; showing \"%2\".").arg(typed, stem));
            return meanings;
        }
    }
    return {};
}

bool ThesaurusControl::haveFile()
{
    if (!fileTried_) {
        fileTried_ = true;
        file_ = ThesaurusFile::openInstalled(programFolder_);
    }
    return file_ != nullptr;
}

void ThesaurusControl::showMeaning(int row)
{
    synonymList_->clear();
    if (row >= 0 && row < synonymsOfMeaning_.size())
        synonymList_->addItems(synonymsOfMeaning_.at(row));
}

void ThesaurusControl::synonymPicked(QListWidgetItem* item)
{
    if (!item)
        return;
    chosenWord_ = fitToLookedUp(text_, found_, plainSynonym(item->text()));
    emit wordChosen();
}

QStringList ThesaurusControl::meanings() const
{
    QStringList texts;
    for (int i = 0; i < meaningList_->count(); ++i)
        texts.append(meaningList_->item(i)->text());
    return texts;
}

QStringList ThesaurusControl::synonyms() const
{
    QStringList texts;
    for (int i = 0; i < synonymList_->count(); ++i)
        texts.append(synonymList_->item(i)->text());
    return texts;
}

QString ThesaurusControl::notice() const
{
    return noticeLabel_->text();
}

void ThesaurusControl::pickMeaning(int row)
{
    meaningList_->setCurrentRow(row);
}

void ThesaurusControl::pickSynonym(int row)
{
    synonymList_->setCurrentRow(row);
    synonymPicked(synonymList_->item(row));
}

} // namespace thesaurus
