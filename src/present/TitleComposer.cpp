#include "present/TitleComposer.h"

namespace tarvel::present {

std::string windowTitle(std::string_view currentFile, std::string_view suffix)
{
    std::string title(kTitlePrefix);
    title += "       ";  // seven spaces
    title += currentFile;
    title += suffix;
    return title;
}

std::string loaderNote(bool shown, const MessageTable& messages)
{
    return shown ? "   " + messages[Msg::Disconnected] : std::string();
}

}  // namespace tarvel::present
