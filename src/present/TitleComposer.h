// The window title: two spaces and the product title, seven spaces, the path
// of the current file, then, while an outside loader holds the port, three
// spaces and the loader's note.
#pragma once

#include <string>
#include <string_view>

#include "model/Messages.h"

namespace tarvel::present {

std::string windowTitle(std::string_view currentFile, std::string_view suffix = {});
// The suffix while the loader holds the port, empty otherwise.
std::string loaderNote(bool shown, const MessageTable& messages);

}  // namespace tarvel::present
