// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder of an installed or an unpacked program: looked up from the
// program's own folder, so that a package unpacked anywhere finds its files.
#include "sky/DataFolder.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarn {

namespace {
bool isFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
        return account->pw_dir;
    return "/";
}

// An XDG base folder: the variable when it holds an absolute path (the
// standard ignores a relative one), else the home's default.
std::string baseFolder(const char* variable, const char* underHome)
{
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return value;
    return homeFolder() + underHome;
}
}  // namespace

std::string dataFolder(const std::string& programDir)
{
    if (isFile(programDir + "/ELEMENTS.ZAR"))
        return programDir;
    std::string dir = programDir;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    const auto slash = dir.rfind('/');
    if (slash == std::string::npos || dir.compare(slash, std::string::npos, "/bin") != 0)
        return programDir;
    const std::string shared = dir.substr(0, slash) + "/share/zarn";
    return isFolder(shared) ? shared : programDir;
}

std::string programFolder()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    const std::string path(buffer, static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string userConfigFolder() { return baseFolder("XDG_CONFIG_HOME", "/.config") + "/Zarn"; }

std::string userDataFolder() { return baseFolder("XDG_DATA_HOME", "/.local/share") + "/Zarn"; }

}  // namespace zarn
