#include "programs/demo/assets/pictures.h"

const std::vector<DemoPictureAsset>& ButtonDemoPictures() {
  static const std::vector<DemoPictureAsset> kPictures = {
      {"dog.bmp", 6, DrawDog},
      {"dogv.bmp", 6, DrawDogv},
      {"monkey.bmp", 10, DrawMonkey},
      {"rose.bmp", 20, DrawRose},
      {"rocket.bmp", 20, DrawRocket},
      {"jet.bmp", 20, DrawJet},
      {"car.bmp", 20, DrawCar},
      {"knob8.bmp", 8, DrawKnob8},
      {"signal4.bmp", 4, DrawSignal4},
      {"closebtn.bmp", 2, DrawCloseButton},
      {"arrowl.bmp", 2, DrawArrowLeft},
      {"arrowr.bmp", 2, DrawArrowRight},
      {"firebtna.bmp", 8, DrawFireButtonA},
      {"firebtnb.bmp", 8, DrawFireButtonB},
      {"pictoff.bmp", 1, DrawSymbolOff},
      {"picton.bmp", 1, DrawSymbolOn},
      {"pictstop.bmp", 1, DrawSymbolStop},
  };
  return kPictures;
}
