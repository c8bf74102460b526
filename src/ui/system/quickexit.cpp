#include "ui/system/quickexit.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <unistd.h>
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

void skipStaticDestructorsAtExit()
{
#ifdef __GLIBC__
    static std::once_flag registered;
    std::call_once(registered, [] {
        on_exit(
            [](int status, void* /*unused*/) {
                // Only the standard streams: a thread left stuck on a server holds the lock
                // of that server's stream while it waits to read from it.
                std::fflush(stdout);
                std::fflush(stderr);
#ifdef __SANITIZE_ADDRESS__
                __lsan_do_leak_check();
#endif
                _exit(status);
            },
            nullptr);
    });
#endif
}
