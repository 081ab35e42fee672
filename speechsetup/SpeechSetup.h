#pragma once

#include <QString>
#include <QStringList>

// What the speech setup programs check and put in place, each returning a
// report for the user. The programs themselves only show the report.
namespace speechsetup {

struct Report {
    QStringList lines;
    bool complete = true; // everything the speech needs is in place

    void note(const QString& line) { lines.append(line); }
    void lack(const QString& line)
    {
        lines.append(line);
        complete = false;
    }
};

// The program's character files: each one that is readable is left alone;
// one that is missing is written, one that is damaged is set aside beside
// itself (name + ".damaged") and written anew.
Report setUpCharacterFiles(const QString& programFolder);

// espeak-ng starts, has the voice each character file asks for, and speaks
// a test sentence.
Report checkVoices(const QString& programFolder);

// Whether the system offers a sound output for the speech.
Report checkSoundOutput(const QString& programFolder);

} // namespace speechsetup
