// Qt's logging categories for the reasons the core reports: tarvel.link,
// tarvel.store and tarvel.ui. Silent by default; turned on with, for example,
//   QT_LOGGING_RULES="tarvel.*.info=true" tarvel3
#pragma once

#include <QLoggingCategory>

#include "model/LogSink.h"

namespace tarvel::ui {

Q_DECLARE_LOGGING_CATEGORY(logLink)
Q_DECLARE_LOGGING_CATEGORY(logStore)
Q_DECLARE_LOGGING_CATEGORY(logUi)

const QLoggingCategory& logCategory(log::Area area);

// Makes the core's log sink write each reason as an info message of its
// layer's category.
void connectCoreLogToCategories();

}  // namespace tarvel::ui
