#include "app/StartupWarmup.h"

#include "resources/pictures/Pictures.h"

#include <QImageReader>

#include <dlfcn.h>

namespace pentavo {

namespace {

// Qt reads the font configuration through the library it is linked with, so the library is
// loaded already; where it is not, there is nothing to prepare.
void ReadFontConfiguration() {
    void* library = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return;
    using InitFunction = int (*)();
    if (auto init = reinterpret_cast<InitFunction>(dlsym(library, "FcInit")))
        init();
    dlclose(library);
}

// Asking what a PNG file is loads every image plugin, as the style's first picture would.
void LoadImagePlugins() {
    QImageReader(PicturePath(QStringLiteral("splash.png"))).canRead();
}

} // namespace

StartupWarmup::StartupWarmup() : fonts_(ReadFontConfiguration) {}

StartupWarmup::~StartupWarmup() {
    if (fonts_.joinable())
        fonts_.join();
    if (images_.joinable())
        images_.join();
}

void StartupWarmup::ApplicationReady() {
    if (fonts_.joinable())
        fonts_.join();
    if (!images_.joinable())
        images_ = std::thread(LoadImagePlugins);
}

} // namespace pentavo
