#include "ProgramStart.h"

#include <QApplication>

#include "AboutOnDemand.h"
#include "AppFont.h"
#include "ProgramStyle.h"
#include "TFormHlav.h"
#include "about/TFormAbout.h"
#include "lang/LanguageChoice.h"
#include "log/LogCategories.h"
#include "resources/Artwork.h"

namespace tarvel {

void ProgramStart::setUpApplication(bool designFamilyInstalled)
{
    ui::connectCoreLogToCategories();
    // No display name: X11 would append it to every window title, which is
    // composed exactly.
    QApplication::setApplicationName(QStringLiteral("tarvel3"));
    QApplication::setStyle(new ProgramStyle());
    QApplication::setFont(AppFont::designFont(designFamilyInstalled));
    QApplication::setWindowIcon(ui::ProgramIcon());
}

std::unique_ptr<AboutOnDemand> ProgramStart::attachAboutBox(TFormHlav& window)
{
    auto about = std::make_unique<AboutOnDemand>(
        [&window] {
            return new ui::TFormAbout([&window] { return ui::LanguageFromStored(window.language()); }, &window);
        },
        &window);
    window.setAboutBox(about.get());
    return about;
}

}  // namespace tarvel
