#include "ProgramLook.h"

#include <QApplication>
#include <QFontDatabase>

#include "AppFont.h"
#include "ProgramStart.h"

namespace tarvel::bench {

QStringList UseProgramLook()
{
    ProgramStart::setUpApplication(QFontDatabase::families().contains(AppFont::family()));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return arguments;
}

}  // namespace tarvel::bench
