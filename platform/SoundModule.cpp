// The sound module: the audio stack and the codecs, loaded by the program
// after its window is up rather than with it.
#include "platform/WavSound.h"

extern "C" Q_DECL_EXPORT SoundOutput *numoraCreateSoundOutput()
{
    return new WavSoundOutput;
}
