#include "AboutOnDemand.h"

namespace tarvel {

AboutOnDemand::AboutOnDemand(std::function<QDialog*()> make, QWidget* parent)
    : QDialog(parent), make_(std::move(make))
{
}

int AboutOnDemand::exec()
{
    if (!box_ && make_)
        box_ = make_();
    return box_ ? box_->exec() : QDialog::Rejected;
}

}  // namespace tarvel
