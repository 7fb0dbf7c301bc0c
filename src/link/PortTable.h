// Which device each port name COM1..COM20 stands for: COM1-COM4 are
// /dev/ttyS0-3, COM5-COM12 /dev/ttyUSB0-7, COM13-COM20 /dev/ttyACM0-7, unless
// the caller overrides a port (the PORTS section of the settings file).
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel::link {

inline constexpr int kPortCount = 20;
inline constexpr int kAutoPortIndex = 20;

class PortTable {
public:
    // n = 1..20. The built-in device unless overridden.
    std::string devicePath(int n) const;
    static std::string builtInPath(int n);
    // An empty path removes the override.
    void setOverride(int n, std::string path);
    void clearOverrides();
    // Section and keys of the settings file that override ports: PORTS, COM1..COM20.
    static constexpr std::string_view kSettingsSection = "PORTS";
    // Takes an override for every key COM1..COM20 that `lookup` has a
    // non-empty value for (the caller reads its settings file).
    void loadOverrides(const std::function<std::optional<std::string>(const std::string& key)>& lookup);

    // "COM3" (any letter case) gives its device path; anything else is taken
    // as a device path itself.
    std::string resolve(std::string_view portOrPath) const;
    // 1..20 for "COM1".."COM20" (any letter case).
    static std::optional<int> portNumber(std::string_view name);

private:
    std::array<std::string, kPortCount> overrides_{};
};

}  // namespace tarvel::link
