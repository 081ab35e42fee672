// Spelling while typing against hunspell's own calls in the same run, on the
// main dictionary of the program folder:
//   Keystroke_Bare    - one key typed into a many-line editor holding a
//                       question of 500 words, nothing watching it: the
//                       editor's own work, the floor.
//   Keystroke_Checked - the same key with the spell checker attached; its
//                       added work is the difference. A blank closes a word
//                       and checks it; a letter costs only the look at the key.
//   Spell_Hunspell    - hunspell's spell call for one word of the same text.
//   FirstPopup_Ours   - a misspelled word closed by a blank: flagged, looked up
//                       again by the window's step, and the first five
//                       suggestions put into a popup's items (not shown).
//   Suggest_Hunspell  - hunspell's suggest call for the same word.
// Headless unless a platform is given.

#include "BenchRun.h"

#include "platform/spell/SpellChecker.h"

#include <benchmark/benchmark.h>
#include <hunspell/hunspell.hxx>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

const QString kDictionary = QStringLiteral(DRILLBOOK_SAMPLE_DIR "/VSSP_AE.DCT");
const char* const kAff = DRILLBOOK_SAMPLE_DIR "/VSSP_AE.aff";
const char* const kDic = DRILLBOOK_SAMPLE_DIR "/VSSP_AE.dic";

// A question field of 500 right words.
QString questionOf500Words()
{
    static const char* const words[] = {"the", "engine", "company", "advanced", "a", "hose", "line", "to",
                                        "the", "second", "floor", "while", "ladder", "crew", "vented", "roof"};
    QStringList text;
    for (int i = 0; i < 500; ++i)
        text << QString::fromLatin1(words[i % 16]);
    return text.join(QLatin1Char(' ')) + QLatin1Char(' ');
}

void typeKey(QWidget* editor, QChar key)
{
    const int code = key == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_A + (key.toUpper().unicode() - 'A');
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(key));
    QCoreApplication::sendEvent(editor, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(key));
    QCoreApplication::sendEvent(editor, &release);
    QCoreApplication::processEvents(); // the check runs after the key
}

// Types "ladder " over and over at the end of the question; the text is put
// back, untimed, before it grows by more than a few hundred words.
void typing(benchmark::State& state, bool checked)
{
    QPlainTextEdit editor;
    editor.setPlainText(questionOf500Words());
    editor.moveCursor(QTextCursor::End);
    editor.show();
    spell::SpellChecker checker;
    checker.setMainDictionary(kDictionary);
    if (checked)
        checker.attach(&editor);
    int flags = 0;
    QObject::connect(&checker, &spell::SpellChecker::wordFlagged, [&](int, int, bool&) { ++flags; });
    const QString word = QStringLiteral("ladder ");
    qint64 typed = 0;
    for (auto _ : state) {
        typeKey(&editor, word.at(int(typed % word.size())));
        if (++typed % 700 == 0) {
            state.PauseTiming();
            editor.setPlainText(questionOf500Words());
            editor.moveCursor(QTextCursor::End);
            state.ResumeTiming();
        }
    }
    if (flags != 0)
        state.SkipWithError("a right word was flagged");
    state.counters["keys"] = double(typed);
}

void Keystroke_Bare(benchmark::State& state) { typing(state, false); }
void Keystroke_Checked(benchmark::State& state) { typing(state, true); }

void Spell_Hunspell(benchmark::State& state)
{
    Hunspell hunspell(kAff, kDic);
    for (auto _ : state)
        benchmark::DoNotOptimize(hunspell.spell(std::string("ladder")));
}

// Two misspellings in turn, so no call finds the last one's suggestions.
const char* const kMisspelled[] = {"captian", "nozle"};

void FirstPopup_Ours(benchmark::State& state)
{
    QPlainTextEdit editor;
    editor.show();
    spell::SpellChecker checker;
    checker.setMainDictionary(kDictionary);
    checker.attach(&editor);
    QMenu popup;
    QList<QAction*> items;
    for (int i = 0; i <= 5; ++i)
        items << popup.addAction(QString());
    int shown = 0;
    QObject::connect(&checker, &spell::SpellChecker::wordFlagged, [&](int, int, bool&) {
        checker.setWord(checker.word());
        items[0]->setText(checker.word() + QStringLiteral(" (not in dictionary)"));
        for (int j = 1; j <= 5; ++j) {
            items[j]->setVisible(j <= checker.suggestionCount());
            if (j <= checker.suggestionCount())
                items[j]->setText(checker.suggestion(j - 1));
        }
        ++shown;
    });
    qint64 round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.setPlainText(QString::fromLatin1(kMisspelled[round++ % 2]));
        editor.moveCursor(QTextCursor::End);
        state.ResumeTiming();
        typeKey(&editor, QLatin1Char(' '));
    }
    if (shown != round)
        state.SkipWithError("a misspelled word was not flagged");
}

void Suggest_Hunspell(benchmark::State& state)
{
    Hunspell hunspell(kAff, kDic);
    qint64 round = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(hunspell.suggest(std::string(kMisspelled[round++ % 2])));
}

BENCHMARK(Keystroke_Bare);
BENCHMARK(Keystroke_Checked);
BENCHMARK(Spell_Hunspell);
BENCHMARK(FirstPopup_Ours);
BENCHMARK(Suggest_Hunspell);

} // namespace

int main(int argc, char** argv)
{
    return benchrun::run<QApplication>(argc, argv);
}
