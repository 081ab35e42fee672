// Checks the sound output the speech is played through.
#include "speechsetup/SetupProgram.h"

int main(int argc, char** argv)
{
    return speechsetup::runSetupProgram(argc, argv, QStringLiteral("Speech Output"), speechsetup::checkSoundOutput);
}
