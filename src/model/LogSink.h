// Where the core reports why something failed. The core knows no logging
// framework: it hands each reason, tagged with the layer it comes from, to
// one sink that the program connects (the window to Qt's logging categories
// tarvel.link, tarvel.store and tarvel.ui; tarvel3ctl to its standard error
// when asked). Without a sink the reasons are dropped.
//
//   log::write(log::Area::Store, "cannot open " + path + ": " + log::errnoText(errno));
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tarvel::log {

enum class Area { Link, Store, Ui };

// "link", "store" or "ui".
const char* areaName(Area area);

using Sink = std::function<void(Area, std::string_view)>;

// Replaces the sink (an empty one drops everything). Not thread-safe against
// concurrent write(): set it once at start.
void setSink(Sink sink);
void write(Area area, std::string_view message);

// strerror for an errno value, thread-safe.
std::string errnoText(int errnoValue);

}  // namespace tarvel::log
