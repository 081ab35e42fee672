#pragma once

#include "platform/forms/Dialogs.h"

#include <memory>

namespace forms {

// A test's hold on the dialog module: while it lives, boxes are answered from
// its script and recorded. Made without a module it owns a fresh one and
// makes it current; given the App's module it scripts that one. Either way
// the previous state comes back when it goes.
//
//   ScriptedDialogs boxes;
//   boxes.answer(vbYes).answer(QStringLiteral("pump")).chooseFile(path);
//   ... run the step ...
//   QVERIFY2(boxes.ok(), qPrintable(boxes.problems()));
class ScriptedDialogs {
public:
    ScriptedDialogs();
    explicit ScriptedDialogs(Dialogs& dialogs);
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    ScriptedDialogs& answer(int msgBoxResult);
    ScriptedDialogs& answer(const QString& inputText);
    // The next file dialog returns this file, or is cancelled.
    ScriptedDialogs& chooseFile(const QString& path);
    ScriptedDialogs& cancelFileDialog();
    // The next printer dialog is answered with this choice, or is cancelled.
    ScriptedDialogs& choosePrinting(const PrintChoice& choice);
    ScriptedDialogs& cancelPrintDialog();
    // The next font or colour dialog returns this choice, or is cancelled.
    ScriptedDialogs& chooseFont(const FontChoice& font);
    ScriptedDialogs& cancelFontDialog();
    ScriptedDialogs& chooseColor(int color);
    ScriptedDialogs& cancelColorDialog();

    Dialogs& dialogs() { return *dialogs_; }
    const QList<ShownBox>& shown() const { return dialogs_->shown(); }

    // True when every box found its answer and every answer was used.
    bool ok() const { return problems().isEmpty(); }
    // One line per unexpected box (with its title and text) and per unused answer.
    QString problems() const;

private:
    std::unique_ptr<Dialogs> owned_;
    Dialogs* dialogs_;
    Dialogs* previousCurrent_;
    bool previousScripted_;
};

} // namespace forms
