#include "AppPaths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "model/LogSink.h"

namespace tarvel {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string homeFolder()
{
    std::string home = environment("HOME");
    if (home.empty())
        if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
            home = user->pw_dir;
    return home.empty() ? "." : home;
}

}  // namespace

AppPaths AppPaths::fromEnvironment()
{
    if (std::string own = environment("TARVEL3_HOME"); !own.empty())
        return AppPaths{own};
    if (std::string xdg = environment("XDG_CONFIG_HOME"); !xdg.empty() && xdg.front() == '/')
        return AppPaths{xdg + "/tarvel3"};
    return AppPaths{homeFolder() + "/.config/tarvel3"};
}

std::string AppPaths::join(std::string_view name) const
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
}

bool AppPaths::createFolder(std::string* error) const
{
    namespace fs = std::filesystem;
    std::error_code code;
    if (fs::is_directory(folder, code))
        return true;
    fs::create_directories(folder, code);
    if (!code && fs::is_directory(folder, code)) {
        // Settings and the last parameter set are the user's own business.
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ignored);
        return true;
    }
    const std::string reason = folder + ": " + (code ? code.message() : "not a folder");
    log::write(log::Area::Store, "cannot create the settings folder " + reason);
    if (error != nullptr)
        *error = reason;
    return false;
}

}  // namespace tarvel
