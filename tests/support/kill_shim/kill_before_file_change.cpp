// Loaded into a tool with LD_PRELOAD, ends it as a kill would just before its Nth change of a
// file's name (rename, renameat2, link, unlink, rmdir), N being KILL_BEFORE_FILE_CHANGE; where
// FILE_CHANGE_UNDER is given, only changes of names that begin with it count. What the tool
// leaves is then what a kill at that moment leaves. Each rename, link and fsync is also added, in turn, as a
// line to the file FILE_CHANGE_TRACE names: "rename FROM TO", "link FROM TO", "fsync PATH". Where
// FILE_PUT_AT_CHANGE names a file, that change puts it at FILE_CHANGE_UNDER instead of the kill. A
// folder made by mkdtemp under FOLDER_GONE_WHEN_MADE is removed at once, the first time.

#include <dlfcn.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void countDown(const char* path)
{
    static int left = [] {
        const char* n = std::getenv("KILL_BEFORE_FILE_CHANGE");
        return n ? std::atoi(n) : 0;
    }();
    static const char* under = std::getenv("FILE_CHANGE_UNDER");
    if (left > 0 && (!under || std::string(path).rfind(under, 0) == 0) && --left == 0) {
        if (const char* put = std::getenv("FILE_PUT_AT_CHANGE"))
            std::rename(put, under);
        else
            ::raise(SIGKILL);
    }
}

void trace(const std::string& line)
{
    if (const char* to = std::getenv("FILE_CHANGE_TRACE"))
        std::ofstream(to, std::ios::app) << line << '\n';
}

template <class Function>
Function* next(const char* name)
{
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

}   // namespace

extern "C" {

int rename(const char* from, const char* to)
{
    countDown(from);
    trace(std::string("rename ") + from + ' ' + to);
    return next<int(const char*, const char*)>("rename")(from, to);
}

int link(const char* from, const char* to)
{
    countDown(to);
    trace(std::string("link ") + from + ' ' + to);
    return next<int(const char*, const char*)>("link")(from, to);
}

int unlink(const char* path)
{
    countDown(path);
    return next<int(const char*)>("unlink")(path);
}

int rmdir(const char* path)
{
    countDown(path);
    return next<int(const char*)>("rmdir")(path);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags)
{
    countDown(from);
    trace(std::string("rename ") + from + ' ' + to);
    return next<int(int, const char*, int, const char*, unsigned)>("renameat2")(fromFolder, from, toFolder, to, flags);
}

char* mkdtemp(char* name)
{
    static const char* gone = std::getenv("FOLDER_GONE_WHEN_MADE");
    char* made = next<char*(char*)>("mkdtemp")(name);
    if (made && gone && std::string(made).rfind(gone, 0) == 0 && next<int(const char*)>("rmdir")(made) == 0)
        gone = nullptr;
    return made;
}

int fsync(int fd)
{
    std::error_code unnamed;
    trace("fsync " + std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), unnamed).string());
    return next<int(int)>("fsync")(fd);
}
}
