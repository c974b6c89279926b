// A stand-in for plug-in code: a real shared object that exports the entry symbols of every
// format and leaves a mark the moment anything loads it. Tests put copies where plug-ins live and
// check that the catalogue reads them without ever running them.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void appendLine(const char* path, const char* text)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const ssize_t ignored = ::write(fd, text, std::strlen(text));
    static_cast<void>(ignored);
    ::close(fd);
}

// Two marks, so a loader that clears the environment is caught too: the file the test names,
// and one beside the loaded copy (which also shows up as a change in the scanned tree).
__attribute__((constructor)) void markLoad()
{
    Dl_info self{};
    const char* loadedFrom =
        ::dladdr(reinterpret_cast<void*>(&markLoad), &self) != 0 && self.dli_fname ? self.dli_fname : "?";
    if (const char* marker = std::getenv("ZV_LOAD_MARKER"))
        appendLine(marker, loadedFrom);
    if (loadedFrom[0] == '/') {
        char beside[4096];
        if (std::strlen(loadedFrom) + 8 < sizeof beside) {
            std::strcpy(beside, loadedFrom);
            std::strcat(beside, ".loaded");
            appendLine(beside, "loaded\n");
        }
    }
}

struct ClapVersion {
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t revision;
};

struct ClapEntry {
    ClapVersion version;
    bool (*init)(const char*);
    void (*deinit)();
    const void* (*getFactory)(const char*);
};

bool clapInit(const char*)
{
    return false;
}
void clapDeinit() {}
const void* clapFactory(const char*)
{
    return nullptr;
}

} // namespace

#define SENTINEL_EXPORT extern "C" __attribute__((visibility("default")))

SENTINEL_EXPORT const ClapEntry clap_entry{{1, 2, 0}, clapInit, clapDeinit, clapFactory};
SENTINEL_EXPORT void* VSTPluginMain(void*)
{
    return nullptr;
}
SENTINEL_EXPORT const void* ladspa_descriptor(unsigned long)
{
    return nullptr;
}
SENTINEL_EXPORT const void* lv2_descriptor(std::uint32_t)
{
    return nullptr;
}
SENTINEL_EXPORT int lv2_dyn_manifest_open(void**, const void* const*)
{
    return 1;
}
SENTINEL_EXPORT void* GetPluginFactory()
{
    return nullptr;
}
SENTINEL_EXPORT bool ModuleEntry(void*)
{
    return false;
}
SENTINEL_EXPORT bool ModuleExit()
{
    return false;
}
