// Keeps the GL driver loaded until the process ends, so that leak reports at exit can name it.
//
// Mesa unloads its DRI driver when the display closes, before the leak check runs; the driver's
// own blocks then show as "<unknown module>" and no suppression can match them. Test processes
// take this library (linked in, or through LD_PRELOAD) and every dlclose of a *_dri.so is
// skipped; everything else passes through.
#include <dlfcn.h>
#include <link.h>

#include <cstring>

extern "C" int dlclose(void* handle) {
    using Close = int (*)(void*);
    static const Close realClose = reinterpret_cast<Close>(dlsym(RTLD_NEXT, "dlclose"));
    link_map* library = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &library) == 0 && library != nullptr &&
        std::strstr(library->l_name, "_dri.so") != nullptr) {
        return 0;
    }
    return realClose(handle);
}
