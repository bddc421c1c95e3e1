// A program that plays one wave file to its end and quits, as a program that beeps on its way out
// does. Exit code 0 when the sound played, 1 when it did not, 2 for a bad command line.

#include "platform/devices/sound.h"
#include "platform/forms/application.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Application->Initialize();
  return SndPlaySound(argv[1], SND_SYNC) ? 0 : 1;
}
