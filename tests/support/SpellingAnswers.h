#pragma once

#include "platform/spell/SpellDialog.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <QTimer>

#include <deque>

namespace testsupport {

// Answers the spelling dialog and the suggestion popup as a user would,
// from a queue, whenever one of them opens, and records what each showed.
// A dialog or popup with no answer left is cancelled and counted, so the
// test can fail on it.
class SpellingAnswers {
public:
    SpellingAnswers()
    {
        watch_.setInterval(1);
        QObject::connect(&watch_, &QTimer::timeout, [this] { answerOpen(); });
        watch_.start();
    }

    // The next dialog is answered with this button (and "Change to:" text).
    void dialog(int code, const QString& replacement = {}) { dialogAnswers_.push_back({code, replacement}); }
    // The next popup chooses the item with this index; -1 closes it unchosen.
    void popup(int index) { popupAnswers_.push_back(index); }

    bool allUsed() const { return dialogAnswers_.empty() && popupAnswers_.empty(); }

    QStringList askedWords;         // each dialog's word
    QList<QStringList> offered;     // each dialog's suggestions
    QList<QStringList> popupItems;  // each popup's shown captions
    int unexpected = 0;

private:
    struct DialogAnswer {
        int code;
        QString replacement;
    };

    void answerOpen()
    {
        if (auto* dialog = qobject_cast<spell::SpellDialog*>(QApplication::activeModalWidget())) {
            askedWords << dialog->word();
            offered << dialog->suggestions();
            if (dialogAnswers_.empty()) {
                ++unexpected;
                dialog->press(6);
                return;
            }
            const DialogAnswer answer = dialogAnswers_.front();
            dialogAnswers_.pop_front();
            if (!answer.replacement.isNull())
                dialog->setReplacement(answer.replacement);
            dialog->press(answer.code);
            return;
        }
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QStringList shown;
            const QList<QAction*> items = menu->actions();
            for (QAction* item : items) {
                if (item->isVisible())
                    shown << item->text();
            }
            popupItems << shown;
            int index = -1;
            if (popupAnswers_.empty())
                ++unexpected;
            else {
                index = popupAnswers_.front();
                popupAnswers_.pop_front();
            }
            if (index >= 0 && index < items.size())
                items.at(index)->trigger();
            menu->close();
        }
    }

    QTimer watch_;
    std::deque<DialogAnswer> dialogAnswers_;
    std::deque<int> popupAnswers_;
};

} // namespace testsupport
