// Checks the speech voice the characters speak with.
#include "speechsetup/SetupProgram.h"

int main(int argc, char** argv)
{
    return speechsetup::runSetupProgram(argc, argv, QStringLiteral("Speech Voice"), speechsetup::checkVoices);
}
