#include "log/LogCategories.h"

namespace tarvel::ui {

// Info messages only, with the categories' default at warning: nothing shows
// unless QT_LOGGING_RULES asks for it.
Q_LOGGING_CATEGORY(logLink, "tarvel.link", QtWarningMsg)
Q_LOGGING_CATEGORY(logStore, "tarvel.store", QtWarningMsg)
Q_LOGGING_CATEGORY(logUi, "tarvel.ui", QtWarningMsg)

const QLoggingCategory& logCategory(log::Area area)
{
    switch (area) {
    case log::Area::Link: return logLink();
    case log::Area::Store: return logStore();
    case log::Area::Ui: return logUi();
    }
    return logUi();
}

void connectCoreLogToCategories()
{
    log::setSink([](log::Area area, std::string_view message) {
        const QLoggingCategory& category = logCategory(area);
        if (category.isInfoEnabled())
            QMessageLogger(nullptr, 0, nullptr, category.categoryName()).info().noquote()
                << QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    });
}

}  // namespace tarvel::ui
