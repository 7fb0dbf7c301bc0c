// Reads the system's font configuration on a second thread while the main
// thread starts Qt, and looks there for the design font. Reading it (dozens
// of configuration files and the font caches) is a tenth of the program's
// start, and the first text the window lays out would wait for it; it does
// not need Qt, so it need not wait for Qt.
#pragma once

#include <QString>

#include <string>
#include <thread>

namespace tarvel {

class FontWarmUp {
public:
    // Starts reading; `family` is the design font to look for.
    explicit FontWarmUp(const QString& family);

    // Whether the design font is installed. Waits for the reading: call it
    // before the first use of fonts, so that Qt finds the configuration read
    // instead of reading it a second time meanwhile.
    // Why the font is not there is logged (category tarvel.ui) at the first call.
    bool familyInstalled();

private:
    bool familyInstalled_ = false;
    std::string problem_;
    std::jthread reader_;
};

}  // namespace tarvel
