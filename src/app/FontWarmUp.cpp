#include "FontWarmUp.h"

#include <QByteArray>

#include <fontconfig/fontconfig.h>

namespace tarvel {

namespace {

// Whether fontconfig knows a font of this family. FcInit() loads the default
// configuration once per process; Qt's own call later finds it loaded.
bool fontconfigHasFamily(const QByteArray& family)
{
    if (!FcInit())
        return false;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* wanted = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (!pattern || !wanted) {
        if (pattern)
            FcPatternDestroy(pattern);
        if (wanted)
            FcObjectSetDestroy(wanted);
        return false;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.constData()));
    FcFontSet* fonts = FcFontList(nullptr, pattern, wanted);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(wanted);
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

FontWarmUp::FontWarmUp(const QString& family)
    : reader_([this, name = family.toUtf8()] { familyInstalled_ = fontconfigHasFamily(name); })
{
}

bool FontWarmUp::familyInstalled()
{
    if (reader_.joinable())
        reader_.join();
    return familyInstalled_;
}

}  // namespace tarvel
