// The program's start, in the steps main() takes: the start-up benchmark and
// the picture tools take the same steps, so that what they measure and show
// is the program's own start and look.
#pragma once

#include <memory>

namespace tarvel {

class AboutOnDemand;
class TFormHlav;

class ProgramStart {
public:
    // Once QApplication exists and before the first window: the core's
    // reasons to the logging categories, the application's name, the program's
    // style, the design font and the program's icon.
    static void setUpApplication(bool designFamilyInstalled);
    // The about box of `window`, built when it is first asked for.
    static std::unique_ptr<AboutOnDemand> attachAboutBox(TFormHlav& window);
};

}  // namespace tarvel
