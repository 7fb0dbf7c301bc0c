#include "DisplayApplier.h"

#include <QApplication>
#include <QLabel>

#include "BarGauge.h"

namespace tarvel {

namespace {

void paint(QLabel* label, const QColor& color)
{
    if (label->palette().color(QPalette::Window) == color && label->autoFillBackground())
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void paintText(QLabel* label, const QColor& color)
{
    if (label->palette().color(QPalette::Active, QPalette::WindowText) == color)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, color);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
    label->setPalette(palette);
}

void setVisible(QWidget* widget, present::Shown shown)
{
    if (shown == present::Shown::Keep)
        return;
    const bool visible = shown == present::Shown::Yes;
    if (widget->isHidden() == visible)
        widget->setVisible(visible);
}

QColor greyText(const QWidget* widget)
{
    return QApplication::palette(widget).color(QPalette::Disabled, QPalette::WindowText);
}

}  // namespace

DisplayApplier::DisplayApplier(const WindowControls& controls)
{
    invalidate();
    attach(controls);
}

void DisplayApplier::takeDesign(std::size_t i)
{
    const QLabel* label = labels_[i];
    labelText_[i] = label->palette().color(QPalette::Active, QPalette::WindowText);
    designedText_[i] = label->text();
    designedBackground_[i] = label->palette().color(QPalette::Window);
    designedFill_[i] = label->autoFillBackground();
}

void DisplayApplier::attach(const WindowControls& controls)
{
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (!labels_[i] && controls.liveLabels[i]) {
            labels_[i] = controls.liveLabels[i];
            takeDesign(i);
            applied_[i] = kNever;
            revision_ = kNever;
        }
    for (std::size_t g = 0; g < gauges_.size(); ++g)
        if (!gauges_[g] && controls.liveGauges[g]) {
            gauges_[g] = controls.liveGauges[g];
            gaugeFore_[g] = gauges_[g]->foreColor();
            applied_[static_cast<std::size_t>(present::kFirstGauge) + g] = kNever;
            revision_ = kNever;
        }
}

void DisplayApplier::invalidate()
{
    applied_.fill(kNever);
    revision_ = kNever;
}

QColor DisplayApplier::colourOf(present::Colour colour, const QWidget* widget)
{
    switch (colour) {
        case present::Colour::Normal:
            return QApplication::palette(widget).color(QPalette::Window);
        case present::Colour::Window:
            return QApplication::palette(widget).color(QPalette::Base);
        default: {
            const link::Rgb rgb = link::rgbOf(colour);
            return QColor(rgb.r, rgb.g, rgb.b);
        }
    }
}

void DisplayApplier::apply(const present::DisplayState& state)
{
    if (state.revision() == revision_)
        return;
    revision_ = state.revision();
    for (int i = 0; i < present::kControlCount; ++i) {
        const auto id = static_cast<present::ControlId>(i);
        const present::DisplayEntry& e = state[id];
        if (e.revision == applied_[static_cast<std::size_t>(i)] || e.revision == 0)
            continue;
        // A widget of a tab page not filled yet gets its entry when attached.
        QWidget* widget = present::isGauge(id)
                              ? static_cast<QWidget*>(gauges_[static_cast<std::size_t>(i - present::kFirstGauge)])
                              : labels_[static_cast<std::size_t>(i)];
        if (!widget)
            continue;
        applied_[static_cast<std::size_t>(i)] = e.revision;
        if (present::isGauge(id)) {
            const auto g = static_cast<std::size_t>(i - present::kFirstGauge);
            BarGauge* gauge = gauges_[g];
            gauge->setMaximum(e.maximum);
            gauge->setProgress(e.progress);
            gauge->setForeColor(e.greyed ? greyText(gauge) : gaugeFore_[g]);
            setVisible(gauge, e.visible);
            continue;
        }
        QLabel* label = labels_[static_cast<std::size_t>(i)];
        const auto l = static_cast<std::size_t>(i);
        // An entry set back to its design (a replay closed before any frame)
        // shows the designed text and background again; one never set leaves
        // the label as it is.
        if (e.textSet || textWritten_[l]) {
            const QString shown = e.textSet ? QString::fromStdString(e.text) : designedText_[l];
            if (label->text() != shown)
                label->setText(shown);
            textWritten_[l] = e.textSet;
        }
        if (e.colour != present::Colour::Default) {
            paint(label, colourOf(e.colour, label));
            painted_[l] = true;
        } else if (painted_[l]) {
            paint(label, designedBackground_[l]);
            label->setAutoFillBackground(designedFill_[l]);
            painted_[l] = false;
        }
        paintText(label, e.greyed ? greyText(label) : labelText_[static_cast<std::size_t>(i)]);
        setVisible(label, e.visible);
    }
}

}  // namespace tarvel
