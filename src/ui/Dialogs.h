// The questions, messages and file dialogs the window shows. The window talks
// to them through this interface so that tests can answer for the user.
#pragma once

#include <QString>

class QWidget;

namespace tarvel {

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };
    // What a message reports; the box shows the desktop's icon for it.
    enum class Kind { Information, Warning, Error };

    virtual ~Dialogs() = default;

    // A question with a question icon and the buttons Yes, No and Cancel;
    // closing the box counts as Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // A message with an OK button. `text` is the main line; `detail` says
    // why (the device or file path and the system's reason), empty when there
    // is nothing to add.
    virtual void showMessage(QWidget* parent, const QString& text, Kind kind = Kind::Error,
                             const QString& detail = {}) = 0;
    // The open and save dialogs of parameter files, proposing `fileName`.
    // Empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& fileName) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& fileName) = 0;
};

}  // namespace tarvel
