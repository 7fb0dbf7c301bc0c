// Collects what the core reports to its log sink while it lives.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/LogSink.h"

class LogCapture {
public:
    LogCapture()
    {
        tarvel::log::setSink([this](tarvel::log::Area area, std::string_view message) {
            lines_.emplace_back(area, std::string(message));
        });
    }
    ~LogCapture() { tarvel::log::setSink({}); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::pair<tarvel::log::Area, std::string>>& lines() const { return lines_; }

    // A line of `area` that contains every one of `parts`.
    bool has(tarvel::log::Area area, std::initializer_list<std::string> parts) const
    {
        for (const auto& [lineArea, text] : lines_) {
            if (lineArea != area)
                continue;
            bool all = true;
            for (const std::string& part : parts)
                all = all && text.find(part) != std::string::npos;
            if (all)
                return true;
        }
        return false;
    }

    std::string dump() const
    {
        std::string all;
        for (const auto& [area, text] : lines_)
            all += std::string(tarvel::log::areaName(area)) + ": " + text + "\n";
        return all.empty() ? "(nothing logged)" : all;
    }

private:
    std::vector<std::pair<tarvel::log::Area, std::string>> lines_;
};
