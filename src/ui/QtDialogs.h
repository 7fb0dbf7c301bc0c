// The desktop's message boxes and file dialogs.
#pragma once

#include <QString>

#include "Dialogs.h"

namespace tarvel {

class QtDialogs : public Dialogs {
public:
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    void showMessage(QWidget* parent, const QString& text, Kind kind = Kind::Error,
                     const QString& detail = {}) override;
    QString openFileName(QWidget* parent, const QString& fileName) override;
    QString saveFileName(QWidget* parent, const QString& fileName) override;

private:
    QString openFilter_;  // the open dialog comes back with the filter last used
};

}  // namespace tarvel
