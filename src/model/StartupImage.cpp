#include "StartupImage.h"

#include "KeyingPresets.h"
#include "Normalise.h"

namespace tarvel {

ParamImage StartupImage(std::uint8_t bikeCode)
{
    ParamImage image;
    image[fld::bikeCode] = bikeCode;
    bool chosenInList = false;
    ApplyKeyingPreset(image, chosenInList);
    NormaliseImage(image);
    return image;
}

}  // namespace tarvel
