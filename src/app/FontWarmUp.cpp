#include "FontWarmUp.h"

#include <QByteArray>

#include "model/LogSink.h"

#include <fontconfig/fontconfig.h>

namespace tarvel {

namespace {

// Whether fontconfig knows a font of this family; why not in `problem`.
// FcInit() loads the default configuration once per process; Qt's own call
// later finds it loaded.
bool fontconfigHasFamily(const QByteArray& family, std::string& problem)
{
    if (!FcInit()) {
        problem = "fontconfig could not read the font configuration";
        return false;
    }
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
    if (!found)
        problem = "the font " + family.toStdString() + " is not installed; the desktop's sans-serif stands in";
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(wanted);
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

FontWarmUp::FontWarmUp(const QString& family)
    : reader_([this, name = family.toUtf8()] { familyInstalled_ = fontconfigHasFamily(name, problem_); })
{
}

bool FontWarmUp::familyInstalled()
{
    if (reader_.joinable()) {
        reader_.join();
        // Logged here, on the main thread, once the log is connected.
        if (!problem_.empty())
            log::write(log::Area::Ui, problem_);
    }
    return familyInstalled_;
}

}  // namespace tarvel
