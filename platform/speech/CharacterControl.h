#pragma once

#include "platform/speech/Character.h"
#include "platform/speech/RequestLog.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

namespace speech {

class SpeechEngine;

// The character control a window carries (its Agent1): loads characters from
// character files under an id and looks them up by that id (ids match without
// regard to letter case). It owns its characters and the record of every
// request made to them. Each control is independent: the question window's
// character and the clipboard reader's are two controls, two characters.
//
// The engine must outlive the control.
class CharacterControl : public QObject {
    Q_OBJECT
public:
    // A control speaking through the program's engine (SpeechEngine::forApplication()).
    explicit CharacterControl(QObject* parent = nullptr);
    CharacterControl(SpeechEngine& engine, QObject* parent = nullptr);
    ~CharacterControl() override;

    // Loads the character described by the file under this id, hidden. A
    // missing file (error 53) or one that is not a valid character file
    // (321) loads nothing; an id already loaded is refused (35602) and the
    // loaded character stays.
    Character& load(const QString& id, const QString& characterFile);

    // The loaded character; error 35601 when none is loaded under this id.
    Character& character(const QString& id) const;
    bool isLoaded(const QString& id) const;

    RequestLog& requests() { return log_; }
    const RequestLog& requests() const { return log_; }

    SpeechEngine& engine() const { return engine_; }

signals:
    // A bookmark reached by any of this control's characters.
    void bookmark(int number);

private:
    SpeechEngine& engine_;
    RequestLog log_;
    // By id in lower case. Declared after the log, so characters go first.
    std::map<QString, std::unique_ptr<Character>> characters_;
};

} // namespace speech
