// What the link cannot do itself and asks of the window (or of the command
// line tool) that hosts it. Every call comes from inside a DeviceLink call on
// the host's own thread; the link's state is consistent before each call, so a
// host may run a nested event loop (a modal box) in which ticks go on.
#pragma once

#include <string>

#include "link/DeviceOpenFailure.h"
#include "link/LinkFrame.h"

namespace tarvel::link {

class LinkHost {
public:
    // Run NormaliseImage on the image the link was given and show it in the controls.
    virtual void normaliseAndShowImage() = 0;
    // A port chosen by the user did not open; the window tells so in a modal
    // box (the words come from present::MessagePresenter).
    virtual void portOpenFailed(const DeviceOpenFailure& failure) = 0;
    // The unit's parameter layout has another version than this program's
    // (kParamVersion); the window tells so in a modal box.
    virtual void unitVersionMismatch(int unitVersion) = 0;
    // The window title gains (true) the release note after the port was lent
    // to the firmware loader. DeviceLink::releaseNote() tells the same.
    virtual void releaseNoteChanged(bool shown) = 0;
    // The loader gave the port back: apply all captions in the current
    // language, which writes the title without the release note.
    virtual void applyCaptions() = 0;
    // The checked state of CheckBoxTpsMapa (the highlight follows the control).
    virtual bool tpsMapChecked() const = 0;
    // The port is about to be opened: LabelCom reads `label` ("COM= COM3");
    // `devicePath` is the device behind it, for a hint.
    virtual void portLabelChanged(const std::string& label, const std::string& devicePath)
    {
        (void)label;
        (void)devicePath;
    }
    // After every open: check exactly the port menu item portIndex (0..20).
    virtual void portMenuChecked(int portIndex) { (void)portIndex; }
    // A frame is going out (for tracing and counting; nothing to do in the window).
    virtual void frameSent(const LinkFrame& frame) { (void)frame; }

protected:
    ~LinkHost() = default;
};

}  // namespace tarvel::link
