#include "model/LogSink.h"

#include <cstring>
#include <utility>

namespace tarvel::log {
namespace {

Sink& currentSink()
{
    static Sink sink;
    return sink;
}

}  // namespace

const char* areaName(Area area)
{
    switch (area) {
    case Area::Link: return "link";
    case Area::Store: return "store";
    case Area::Ui: return "ui";
    }
    return "?";
}

void setSink(Sink sink) { currentSink() = std::move(sink); }

void write(Area area, std::string_view message)
{
    if (const Sink& sink = currentSink())
        sink(area, message);
}

std::string errnoText(int errnoValue)
{
    char buffer[256] = {};
    // The GNU strerror_r may return a static string instead of filling buffer.
    const char* text = strerror_r(errnoValue, buffer, sizeof buffer);
    return text ? std::string(text) : std::string("error ") + std::to_string(errnoValue);
}

}  // namespace tarvel::log
