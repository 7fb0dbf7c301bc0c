#include "CompareDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvel::ui {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CompareDialog::CompareDialog(QWidget* parent, ImageDiff diff, const present::ComparePresenter& presenter,
                             const QString& title, present::CompareText otherColumn, bool choices)
    : QDialog(parent), diff_(std::move(diff)), choices_(choices && !diff_.equal())
{
    using present::CompareText;
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(title);
    resize(860, 520);

    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(qs(presenter.summary(diff_)), this);
    summary_->setObjectName(QStringLiteral("CompareSummary"));
    summary_->setWordWrap(true);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    layout->addWidget(summary_);

    table_ = new QTableWidget(diff_.count(), ColumnCount, this);
    table_->setObjectName(QStringLiteral("CompareTable"));
    table_->setHorizontalHeaderLabels(
        {qs(presenter.text(CompareText::ColumnTab)), qs(presenter.text(CompareText::ColumnField)),
         qs(presenter.text(CompareText::ColumnPosition)), qs(presenter.text(CompareText::ColumnWindow)),
         qs(presenter.text(otherColumn)), qs(presenter.text(CompareText::ColumnTake))});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    const std::vector<present::CompareRowText> rows = presenter.rows(diff_);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const present::CompareRowText& row = rows[static_cast<std::size_t>(i)];
        const QString texts[] = {qs(row.tab), qs(row.field), qs(row.position), qs(row.valueA), qs(row.valueB)};
        for (int c = 0; c < TakeColumn; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            if (c == WindowColumn || c == OtherColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(i, c, item);
        }
        auto* take = new QTableWidgetItem();
        take->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        take->setCheckState(Qt::Unchecked);
        table_->setItem(i, TakeColumn, take);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(FieldColumn, QHeaderView::Stretch);
    table_->setColumnHidden(TakeColumn, !choices_);
    connect(table_, &QTableWidget::itemChanged, this, &CompareDialog::boxChanged);
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout();
    auto button = [&](const char* name, CompareText text) {
        auto* b = new QPushButton(qs(presenter.text(text)), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    if (choices_) {
        connect(button("CompareTakeAll", CompareText::TakeAll), &QPushButton::clicked, this, &CompareDialog::takeAll);
        connect(button("CompareKeepAll", CompareText::KeepAll), &QPushButton::clicked, this, &CompareDialog::keepAll);
    }
    buttons->addStretch(1);
    if (choices_) {
        apply_ = button("CompareApply", CompareText::Apply);
        apply_->setEnabled(false);
        connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
    }
    QPushButton* close = button("CompareClose", choices_ ? CompareText::Cancel : CompareText::Close);
    close->setDefault(!choices_);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
}

QString CompareDialog::summaryText() const
{
    return summary_->text();
}

QStringList CompareDialog::rowTexts(int row) const
{
    QStringList texts;
    for (int c = 0; c < TakeColumn; ++c)
        texts << table_->item(row, c)->text();
    return texts;
}

void CompareDialog::takeAll()
{
    setAllBoxes(true);
}

void CompareDialog::keepAll()
{
    setAllBoxes(false);
}

void CompareDialog::setTake(int row, bool take)
{
    if (QTableWidgetItem* box = table_->item(row, TakeColumn))
        box->setCheckState(take ? Qt::Checked : Qt::Unchecked);
}

void CompareDialog::setAllBoxes(bool take)
{
    for (int i = 0; i < table_->rowCount(); ++i)
        setTake(i, take);
}

void CompareDialog::boxChanged(QTableWidgetItem* item)
{
    if (item->column() != TakeColumn)
        return;
    diff_.setTake(item->row(), item->checkState() == Qt::Checked);
    if (apply_)
        apply_->setEnabled(diff_.takenCount() > 0);
}

}  // namespace tarvel::ui
