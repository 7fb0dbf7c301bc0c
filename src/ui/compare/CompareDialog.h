// The comparison report: one row per differing field (tab, field caption,
// position, the window's value, the other value) under a summary line. With
// choices, each row has a "take" box, "take all" and "keep all" set every
// box, and Apply closes the dialog accepted: result() is then the window's
// image with the taken values, for the window to commit as one change.
#pragma once

#include <QDialog>

#include "model/ImageDiff.h"
#include "present/ComparePresenter.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace tarvel::ui {

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { TabColumn, FieldColumn, PositionColumn, WindowColumn, OtherColumn, TakeColumn, ColumnCount };

    CompareDialog(QWidget* parent, ImageDiff diff, const present::ComparePresenter& presenter, const QString& title,
                  present::CompareText otherColumn, bool choices);

    const ImageDiff& diff() const { return diff_; }
    ParamImage result() const { return diff_.result(); }

    QString summaryText() const;
    // The texts of row `row` as shown, column by column.
    QStringList rowTexts(int row) const;
    QTableWidget& table() { return *table_; }
    void takeAll();
    void keepAll();
    void setTake(int row, bool take);
    QPushButton* applyButton() const { return apply_; }

private:
    void setAllBoxes(bool take);
    void boxChanged(QTableWidgetItem* item);

    ImageDiff diff_;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* apply_ = nullptr;
    bool choices_ = false;
};

}  // namespace tarvel::ui
