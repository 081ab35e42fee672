// Puts the characters' files in place.
#include "speechsetup/SetupProgram.h"

int main(int argc, char** argv)
{
    return speechsetup::runSetupProgram(argc, argv, QStringLiteral("Speaking Characters"),
                                        speechsetup::setUpCharacterFiles);
}
