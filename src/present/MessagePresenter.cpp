#include "present/MessagePresenter.h"

#include <cstdio>

#include "model/LogSink.h"
#include "model/ParamImage.h"

namespace tarvel::present {

namespace {

const char* stepText(link::DeviceOpenFailure::Step step)
{
    using Step = link::DeviceOpenFailure::Step;
    switch (step) {
        case Step::Open:
            return "";
        case Step::NotSerial:
            return ": not a serial device";
        case Step::InUse:
            return ": in use";
        case Step::ExclusiveOpen:
            return ": exclusive open";
        case Step::LineSettings:
            return ": line settings";
    }
    return "";
}

}  // namespace

MessageBoxText MessagePresenter::portOpenFailed(const link::DeviceOpenFailure& failure, const MessageTable& messages)
{
    return {messages[Msg::ComOpeningError], openFailureDetail(failure)};
}

std::string MessagePresenter::openFailureDetail(const link::DeviceOpenFailure& failure)
{
    // A device that cannot tell why (a stand-in, a scripted test device) adds nothing.
    if (failure.devicePath.empty())
        return {};
    std::string detail = failure.devicePath + stepText(failure.step) + ": " + log::errnoText(failure.errnoValue);
    if (failure.owningGroup.empty())
        return detail;
    const std::string& group = failure.owningGroup;
    detail += ". The device belongs to the group \"" + group +
              "\"; the user must be a member of it: sudo usermod -aG " + group + " $USER, then log in again.";
    return detail;
}

MessageBoxText MessagePresenter::unitVersionMismatch(int unitVersion, const MessageTable& messages)
{
    return {versionMismatchText(unitVersion, messages), {}};
}

std::string MessagePresenter::versionMismatchText(int unitVersion, const MessageTable& messages)
{
    char tail[48];
    std::snprintf(tail, sizeof tail, "  PC-%d, IGN-%d", kParamVersion, unitVersion);
    return messages[Msg::UnmatchedVersion] + tail;
}

}  // namespace tarvel::present
