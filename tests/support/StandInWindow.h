// A stand-in for the main window: a QMainWindow holding one object of the
// right kind for every target of the caption table and the placeholders, and
// the controls the print commands use. Built from the tables themselves, so it
// checks the writers, not the window.
#pragma once

#include <QMainWindow>

class QTabWidget;
class QLabel;

namespace tarvel::ui::test {

class StandInWindow : public QMainWindow {
public:
    StandInWindow();

    template <class T>
    T* get(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name));
    }

    QTabWidget* pages = nullptr;
};

}  // namespace tarvel::ui::test
