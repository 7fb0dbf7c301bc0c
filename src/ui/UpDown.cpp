#include "UpDown.h"

#include <QKeyEvent>
#include <QLocale>

namespace tarvel {

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, int step, bool thousands, QWidget* parent)
    : ArrowPair(parent),
      buddy_(buddy),
      buddyObject_(buddy),
      minimum_(minimum),
      maximum_(maximum),
      step_(step),
      thousands_(thousands),
      position_(minimum)
{
    connect(this, &ArrowPair::stepped, this, &UpDown::stepBy);
    if (buddy_)
        buddy_->installEventFilter(this);
}

int UpDown::value()
{
    if (buddy_) {
        if (auto typed = parse(buddy_->text()); typed && *typed >= minimum_ && *typed <= maximum_)
            position_ = *typed;
    }
    return position_;
}

void UpDown::setValue(int value)
{
    position_ = clamp(value);
    writeBuddy();
}

void UpDown::stepBy(int direction)
{
    const int from = value();
    position_ = clamp(from + (direction > 0 ? step_ : -step_));
    writeBuddy();
    emit clicked();
}

QString UpDown::format(int value) const
{
    if (!thousands_)
        return QString::number(value);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

std::optional<int> UpDown::parse(const QString& text) const
{
    const QString separator = QLocale().groupSeparator();
    const bool spaceSeparator = separator.isEmpty() || separator.at(0).isSpace();
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text) {
        if (separator.contains(c) || (spaceSeparator && c.isSpace()))
            continue;
        digits.append(c);
    }
    digits = digits.trimmed();
    int start = digits.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (digits.size() <= start || digits.size() - start > 9)
        return std::nullopt;
    for (int i = start; i < digits.size(); ++i)
        if (digits.at(i) < QLatin1Char('0') || digits.at(i) > QLatin1Char('9'))
            return std::nullopt;
    return digits.toInt();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == buddyObject_ && isEnabled()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                stepBy(key->key() == Qt::Key_Up ? +1 : -1);
                return true;
            }
        }
    }
    return ArrowPair::eventFilter(watched, event);
}

void UpDown::writeBuddy()
{
    if (!buddy_)
        return;
    const QString text = format(position_);
    if (buddy_->text() != text)
        buddy_->setText(text);
}

}  // namespace tarvel
