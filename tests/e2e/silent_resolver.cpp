// SPDX-License-Identifier: MIT
// Preloaded into the real program: a resolver that never answers for one name, as a name server
// that drops every query. Other names go to the C library's own resolver; nothing leaves the
// machine for the silent one.
#include <dlfcn.h>
#include <netdb.h>
#include <unistd.h>

#include <cstring>

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** found) {
    if (node != nullptr && std::strcmp(node, "silent.qm5.test") == 0) {
        for (;;) ::pause();
    }
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto real = reinterpret_cast<Lookup>(::dlsym(RTLD_NEXT, "getaddrinfo"));
    return real(node, service, hints, found);
}
