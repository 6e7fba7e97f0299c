// The data folder of an installed or an unpacked program: looked up from the
// program's own folder, so that a package unpacked anywhere finds its files.
#include "sky/DataFolder.h"

#include <sys/stat.h>

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

}  // namespace zarn
