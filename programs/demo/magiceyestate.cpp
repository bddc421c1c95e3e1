#include "programs/demo/magiceyestate.h"

int MagicEyeIndex = 0;
int MagicEyePhase = 0;

void MagicEyeDemoInit() {
  MagicEyeIndex = 0;
  MagicEyePhase = 0;
}
