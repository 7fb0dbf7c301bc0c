// When this program was built, in the compiler's forms: "Aug 14 2015" and
// "10:42:29".
#pragma once

#include <QString>

namespace tarvel::ui {

QString BuildDateText();
QString BuildTimeText();

}  // namespace tarvel::ui
