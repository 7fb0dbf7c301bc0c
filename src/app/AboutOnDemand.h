// Stands in for the about box until it is first asked for: the box is built
// then, not while the program starts and the user waits for the window.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

namespace tarvel {

class AboutOnDemand : public QDialog {
public:
    // `make` builds the real box; it is called once, on the first exec().
    AboutOnDemand(std::function<QDialog*()> make, QWidget* parent);

    int exec() override;
    // The box, once it has been built (null before).
    QDialog* box() const { return box_; }

private:
    std::function<QDialog*()> make_;
    QPointer<QDialog> box_;
};

}  // namespace tarvel
