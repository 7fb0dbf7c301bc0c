// The application's hint: a text per control or menu item with a short part
// (tooltip) and a long part (status bar) separated by "|"; a text without "|"
// serves as both. Whenever the mouse enters another control, or a menu item is
// highlighted, the long part of its hint (or of the nearest parent that has
// one) is copied into the status bar panel; an empty hint empties it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

namespace tarvel {

class HintHandler : public QObject {
    Q_OBJECT
public:
    // Property names: the full hint text, and the switch that shows its short
    // part as a tooltip.
    static constexpr const char* kHint = "hint";
    static constexpr const char* kShowHint = "showHint";

    // Sets the hint of a control, menu (its title item) or menu item; a control
    // whose show-hint switch is on gets the short part as its tooltip.
    static void setHint(QObject* target, const QString& text);
    static QString hint(const QObject* target);
    static QString shortPart(const QString& hint);
    static QString longPart(const QString& hint);

    // Watches every control of `window` and the items of its menus.
    HintHandler(QWidget* window, QMenuBar* menus, QLabel* panel);
    ~HintHandler() override;

    QString currentHint() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHintOf(const QWidget* widget);
    void showHintOf(const QAction* action);
    void show(const QString& fullHint);

    QPointer<QWidget> window_;
    QPointer<QLabel> panel_;
};

}  // namespace tarvel
