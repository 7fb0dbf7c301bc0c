#include "BuildStamp.h"

namespace tarvel::ui {

QString BuildDateText()
{
    return QStringLiteral(__DATE__);
}

QString BuildTimeText()
{
    return QStringLiteral(__TIME__);
}

}  // namespace tarvel::ui
