// Loaded into a tool with LD_PRELOAD, ends it as a kill would just before its Nth change of a
// file's name (rename, link, unlink), N being KILL_BEFORE_FILE_CHANGE. What the tool leaves is
// then what a kill at that moment leaves.

#include <dlfcn.h>
#include <signal.h>

#include <cstdlib>

namespace {

void countDown()
{
    static int left = [] {
        const char* n = std::getenv("KILL_BEFORE_FILE_CHANGE");
        return n ? std::atoi(n) : 0;
    }();
    if (left > 0 && --left == 0)
        ::raise(SIGKILL);
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
    countDown();
    return next<int(const char*, const char*)>("rename")(from, to);
}

int link(const char* from, const char* to)
{
    countDown();
    return next<int(const char*, const char*)>("link")(from, to);
}

int unlink(const char* path)
{
    countDown();
    return next<int(const char*)>("unlink")(path);
}
}
