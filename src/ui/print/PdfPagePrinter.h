// Prints every job into a PDF file of its own in a folder, and remembers the
// jobs: the tests count jobs and pages with it, and it can play a missing
// printer or one that fails from a given job on.
#pragma once

#include <QSize>
#include <QString>
#include <QVector>

#include "PagePrinter.h"

namespace tarvel::ui {

class PdfPagePrinter : public PagePrinter {
public:
    struct Job {
        QString file;       // the PDF written for the job
        QSize pictureSize;  // size of the picture that was printed
    };

    explicit PdfPagePrinter(QString folder);

    bool available() const override { return available_; }
    bool printPage(const QImage& picture) override;
    QString lastError() const override { return lastError_; }

    const QVector<Job>& jobs() const { return jobs_; }

    void setAvailable(bool available) { available_ = available; }
    // Job number `job` (1-based) and every later one fail.
    void failFromJob(int job) { failFromJob_ = job; }

    // Number of pages in a PDF file written by this printer.
    static int countPages(const QString& file);

private:
    QString folder_;
    QVector<Job> jobs_;
    QString lastError_;
    bool available_ = true;
    int failFromJob_ = 0;
    int attempts_ = 0;
};

}  // namespace tarvel::ui
