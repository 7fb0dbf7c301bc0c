#include "present/ControlId.h"

namespace tarvel::present {

namespace {
#define TARVEL_NAME(name) #name,
constexpr std::string_view kNames[] = {TARVEL_PRESENT_LABELS(TARVEL_NAME) TARVEL_PRESENT_GAUGES(TARVEL_NAME)};
#undef TARVEL_NAME
static_assert(std::size(kNames) == kControlCount);
}  // namespace

std::string_view objectName(ControlId id)
{
    return kNames[indexOf(id)];
}

std::optional<ControlId> controlByName(std::string_view name)
{
    for (int i = 0; i < kControlCount; ++i)
        if (kNames[i] == name)
            return static_cast<ControlId>(i);
    return std::nullopt;
}

}  // namespace tarvel::present
