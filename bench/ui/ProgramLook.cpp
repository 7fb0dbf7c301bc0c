#include "ProgramLook.h"

#include <QApplication>
#include <QStyleFactory>

#include "AppFont.h"

namespace tarvel::bench {

QStringList UseProgramLook()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(AppFont::designFont());
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return arguments;
}

}  // namespace tarvel::bench
