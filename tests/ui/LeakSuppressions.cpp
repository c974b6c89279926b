// Qt 6.4 keeps the images and textures a window drew in caches it never frees before the leak
// check runs. Qt's frames cut the stacks short, so the entries name the allocating functions
// (and, for an anonymous one, the Qt Quick library). Built into the desktop test programs only,
// where the sanitizer finds it by name; the other programs keep the stricter tests/lsan.supp.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n"
           "leak:libdbus\n"
           "leak:QImageData::create\n"
           "leak:QPixmap::fromImage\n"
           "leak:QSGTexture::QSGTexture\n"
           "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n"
           "leak:libQt6Quick.so\n";
}
