// Builds every control of the main window at its design position: the menu
// bar, the tool bar, the five tab pages, the live column, the status area and
// the status bar. Controls that repeat (map cells, axes, channel groups,
// numeric fields) come from tables. Only English captions are set here.
#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <array>
#include <memory>

#include "WindowControls.h"

class QFont;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace tarvel {

class ControlIndex;
class UpDown;

class WindowBuilder {
public:
    // Client area at 96 pixels per inch, below the menu bar.
    static constexpr int kClientWidth = 934;
    static constexpr int kClientHeight = 772;
    static constexpr int kStatusBarHeight = 19;
    static constexpr int kEditHeight = 21;
    static constexpr int kFieldEditWidth = 41;
    static constexpr int kUpDownWidth = 16;
    static constexpr int kLiveColumnX = 676;

    // Whether build() writes each up-down's start position into its edit. A
    // window that shows its image before it is first shown leaves that to the
    // image: each edit is then written once, not twice (a tenth of the
    // start-up's work before the first paint went into these writes).
    enum class StartTexts { Write, LeaveToImage };
    // Whether build() fills every tab page, or the first one only and leaves
    // the others empty for fillPage() (their controls are then null in the
    // pointers build() hands back). Filling the four other pages is a quarter
    // of the start-up's work before the first paint, for pages nobody sees yet.
    enum class Pages { All, FirstOnly };
    static constexpr int kPageCount = 5;

    explicit WindowBuilder(QMainWindow* window);
    ~WindowBuilder();

    // Creates everything and hands back the typed pointers to the controls
    // (a control it cannot create or find stops the program; while a page is
    // left empty, its controls are null instead).
    WindowControls build(StartTexts startTexts = StartTexts::Write, Pages pages = Pages::All);
    // Fills tab page `page` if it is still empty; true if it did. Hand the
    // pointers of resolve() to the window afterwards.
    bool fillPage(int page);
    bool pageFilled(int page) const { return filled_[static_cast<std::size_t>(page)]; }
    bool allPagesFilled() const;
    // The typed pointers to the controls as they are now; strict once every
    // page is filled.
    WindowControls resolve();
    // Every named object of the window, as build() or the last resolve() found them.
    const ControlIndex& index() const { return *index_; }
    // Widens a device button of the tool bar whose caption needs more than
    // its design width (moving the next ones along); called after every
    // caption change.
    static void fitToolBar(const WindowControls& controls);

private:
    void buildMenus();
    void buildToolBar(QWidget* client);
    void buildLiveColumn(QWidget* client);
    void buildStatusArea(QWidget* client);
    QWidget* buildPageControl(QWidget* client);
    void buildMiscTab(QWidget* page);
    void buildBikeTab(QWidget* page);
    void buildAdvanceTab(QWidget* page);
    void buildServoTab(QWidget* page);
    void buildN2oTab(QWidget* page);
    void fillPageContent(int page, QWidget* widget);
    // Sets the start position of every up-down not positioned yet.
    void setStartPositions(const ControlIndex& index);
    // Shows the hints of the controls made since the last call as their tooltips.
    void showNewHints();
    // Shows the control's hint as its tooltip.
    void showHint(QWidget* widget);

    QMainWindow* window_;
    StartTexts startTexts_ = StartTexts::Write;
    std::array<QWidget*, kPageCount> pages_{};
    std::array<bool, kPageCount> filled_{};
    QList<QWidget*> hinted_;
    qsizetype hintsShown_ = 0;
    QSet<UpDown*> positioned_;
    std::unique_ptr<ControlIndex> index_;
};

// Small construction helpers shared by the builder's tables.
namespace build {

QFont designFont(int pixelSize, bool bold);
QLabel* label(QWidget* parent, const QString& name, const QString& text, int x, int y, int pixelSize = 11,
              bool bold = false);
QGroupBox* group(QWidget* parent, const QString& name, const QString& title, int x, int y, int w, int h);
// An edit with its up-down at its right edge; range, step and thousands option
// come from the field table entry of the up-down.
UpDown* numeric(QWidget* parent, const QString& upDownName, int x, int y, int editWidth);

}  // namespace build

}  // namespace tarvel
