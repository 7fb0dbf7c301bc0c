// The about box: what the program is for, when it was built and which
// parameter-format version it speaks. Created once at start-up, centred then,
// shown modally by the Help menu as often as the user likes.
#pragma once

#include <functional>

#include <QDialog>

#include "model/Messages.h"

class QLabel;

namespace tarvel::ui {

class TFormAbout : public QDialog {
    Q_OBJECT

public:
    // `currentLanguage` tells the language each time the box is activated.
    explicit TFormAbout(std::function<Language()> currentLanguage, QWidget* parent = nullptr);

    // Sets the caption of the current language; Czech (or anything else)
    // leaves the caption as it is.
    void FormActivate();
    void Button1Click();

    static constexpr int kClientWidth = 334;
    static constexpr int kClientHeight = 416;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text, int x, int y, int fontPixels);
    void FormCreate();

    std::function<Language()> currentLanguage_;
    QLabel* labelDate_ = nullptr;
    QLabel* labelTime_ = nullptr;
    QLabel* labelRsKey_ = nullptr;
    QLabel* labelExit_ = nullptr;
};

}  // namespace tarvel::ui
