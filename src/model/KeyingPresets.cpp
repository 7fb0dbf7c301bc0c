#include "KeyingPresets.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <string_view>

#include "DefaultSet.h"

namespace tarvel {

namespace {

// Channels are written as the preset table shows them: "max/start" per
// channel, separated by blanks; a suffix e sets the lobe's 2nd-edge flag, p
// its 2nd-pick-up flag. Channels not listed keep their lobe numbers.
struct Preset {
    std::uint8_t syncMode;
    std::uint8_t lobeCount;
    std::uint8_t channelCount;
    const char* channels;
    std::uint8_t tachoPulses;
    std::optional<std::uint8_t> ignitionMultiple{};
    std::optional<std::uint8_t> invertInput1{};
    std::optional<std::uint8_t> excitationLong{};
    std::optional<std::uint8_t> servoEnable{};
};

// Indexed by bikeCode; code 22 ("Special setting") has no entry of its own.
// clang-format off
const std::optional<Preset> kPresets[32]{
    /*  0 Kawasaki ZX           */ Preset{1, 3, 2, "1/1e 2/2e", 2},
    /*  1 Honda CBR 7P          */ Preset{4, 7, 2, "2/3e 6/7e", 2},
    /*  2 Honda CBR 9P          */ Preset{3, 9, 2, "1/3e 7/9e", 2},
    /*  3 Honda Shadow          */ Preset{3, 9, 2, "6/7 8/9", 2},
    /*  4 Honda VFR 400         */ Preset{4, 7, 2, "4/5e 6/7e", 4},
    /*  5 Honda VT 600 Shadow   */ Preset{4, 7, 2, "1e/2e 5ep/6ep", 2},
    /*  6 Honda VT 1100         */ Preset{4, 7, 2, "3/4e 4/5e", 2},
    /*  7 Classic 1 lobe        */ Preset{0, 1, 2, "1/1e 1p/1ep", 1},
    /*  8 Suzuki 800            */ Preset{3, 4, 2, "1/2 3/4", 1},
    /*  9 Suzuki GSF 400 A      */ Preset{2, 6, 2, "1/2 4/5", 1},
    /* 10 Suzuki GSF 400 B      */ Preset{2, 6, 2, "2/3 5/6", 1},
    /* 11 Suzuki GSX            */ Preset{2, 4, 2, "4/1 2/3", 1},
    /* 12 Suzuki SV 650         */ Preset{2, 4, 2, "4/1 1/2", 1},
    /* 13 Suzuki Tci 125        */ Preset{3, 4, 2, "2/3 3/4", 1},
    /* 14 Suzuki VS 800         */ Preset{2, 4, 2, "1/2 4/1", 1},
    /* 15 TDM 850               */ Preset{2, 4, 2, "3/4 4/1", 2},
    /* 16 Virago XV             */ Preset{3, 2, 2, "1/1e 2/2e", 2},
    /* 17 Yamaha 125 SR         */ Preset{4, 2, 2, "2/1ep 1ep/2ep", 2},
    /* 18 Yamaha Fz 750         */ Preset{2, 8, 2, "3/4 7/8", 2},
    /* 19 Yamaha R1             */ Preset{2, 4, 2, "3/4 1/2", 2, {}, {}, {}, 1},
    /* 20 Yamaha R6             */ Preset{1, 5, 2, "1e/2e 3e/4e", 2, {}, {}, 0},
    /* 21 Yamaha XT600E         */ Preset{2, 4, 2, "4/1 2/3", 1},
    /* 22 Special setting       */ std::nullopt,
    /* 23 3 Cylinder, 1 pickup  */ Preset{1, 4, 3, "1/1e 2/2e 3/3e", 1, {}, {}, 0},
    /* 24 Honda VFR 750         */ Preset{4, 11, 4, "4/5 7/8 10/11 1/2", 2},
    /* 25 Yamaha XVZ 1300       */ Preset{1, 7, 4, "1e/2e 2e/3e 4e/5e 5e/6e", 2},
    /* 26 Triumph Tigra         */ Preset{5, 7, 3, "2/3 4/5 6/1", 1, {}, {}, 0},
    /* 27 Kawasaki ZX9R 00      */ Preset{2, 4, 4, "4/1 2/3 2/3 4/1", 2, {}, {}, 0},
    /* 28 Classic 2 lobe / rev  */ Preset{0, 1, 2, "1/1e 1p/1ep", 1, 2},
    /* 29 Classic 3 lobe / rev  */ Preset{0, 1, 1, "1/1e 1p/1ep", 1, 3},
    /* 30 Classic 1 lobe / 2rev */ Preset{0, 1, 2, "1/1e 1p/1ep", 1, 0},
    /* 31 Harley                */ Preset{7, 2, 2, "1/1e 2/2e", 2, 0, 1},
};
// clang-format on

// Reads one lobe ("12", "1e", "5ep") and writes its number and flags.
void applyLobe(ParamImage& image, std::string_view& text, int lobeField, int edgeField, int pickupField)
{
    int number = 0;
    while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) {
        number = number * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    image[lobeField] = static_cast<std::uint8_t>(number);
    while (!text.empty() && (text.front() == 'e' || text.front() == 'p')) {
        image[text.front() == 'e' ? edgeField : pickupField] = 1;
        text.remove_prefix(1);
    }
}

void writePreset(ParamImage& image, const Preset& p)
{
    image[fld::syncMode] = p.syncMode;
    image[fld::lobeCount] = p.lobeCount;
    image[fld::channelCount] = p.channelCount;
    image[fld::tachoPulses] = p.tachoPulses;
    std::string_view text = p.channels;
    for (int c = 0; c < 4 && !text.empty(); ++c) {
        applyLobe(image, text, fld::maxAdvLobe + c, fld::maxAdvEdge2 + c, fld::maxAdvPickup2 + c);
        text.remove_prefix(1);  // '/'
        applyLobe(image, text, fld::startAdvLobe + c, fld::startAdvEdge2 + c, fld::startAdvPickup2 + c);
        if (!text.empty())
            text.remove_prefix(1);  // ' '
    }
    if (p.ignitionMultiple)
        image[fld::ignitionMultiple] = *p.ignitionMultiple;
    if (p.invertInput1)
        image[fld::invertInput1] = *p.invertInput1;
    if (p.excitationLong)
        image[fld::excitationLong] = *p.excitationLong;
    if (p.servoEnable)
        image[fld::servoEnable] = *p.servoEnable;
}

}  // namespace

void ApplyKeyingPreset(ParamImage& image, bool& chosenInList)
{
    const std::uint8_t code = image[fld::bikeCode];
    if (code != kSpecialBikeCode || !chosenInList)
        ApplyDefaultSet(image);
    if (code < 32 && kPresets[code])
        writePreset(image, *kPresets[code]);
    chosenInList = false;
}

}  // namespace tarvel
