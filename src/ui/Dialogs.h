// The questions, messages and file dialogs the window shows. The window talks
// to them through this interface so that tests can answer for the user.
#pragma once

#include <QString>

class QWidget;

namespace tarvel {

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // A question with a question icon and the buttons Yes, No and Cancel;
    // closing the box counts as Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // A plain message with an OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // The open and save dialogs of parameter files, proposing `fileName`.
    // Empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& fileName) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& fileName) = 0;
};

}  // namespace tarvel
