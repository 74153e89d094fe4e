#include "render_progress.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarvo {

namespace {

QString Duration(qint64 seconds) {
    if (seconds >= 3600) return QStringLiteral("%1 h %2 min").arg(seconds / 3600).arg(seconds / 60 % 60);
    if (seconds >= 60) return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return QStringLiteral("%1 s").arg(seconds);
}

// Counts in the millions read better rounded.
QString Count(int64_t n, int64_t total) {
    if (total < 10000000) return QString::number(n);
    return QString::number(double(n) / 1e6, 'f', 1);
}

constexpr int kBarSteps = 1000;

}  // namespace

RenderProgress::RenderProgress(std::unique_ptr<BackgroundJob> job, const QString& path, const QString& unit,
                               QWidget* parent)
    : QWidget(parent, Qt::Tool), job_(std::move(job)), unit_(unit), path_(path) {
    setObjectName(QStringLiteral("RenderProgress"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Render to File - %1").arg(QFileInfo(path).fileName()));
    bar_ = new QProgressBar(this);
    bar_->setRange(0, kBarSteps);
    bar_->setValue(0);
    left_ = new QLabel(QStringLiteral("Starting..."), this);
    left_->setObjectName(QStringLiteral("TimeLeft"));
    left_->setWordWrap(true);
    left_->setMinimumWidth(360);
    button_ = new QPushButton(QStringLiteral("Cancel"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(path, this));
    layout->addWidget(bar_);
    layout->addWidget(left_);
    layout->addWidget(button_, 0, Qt::AlignRight);
    connect(button_, &QPushButton::clicked, this, &RenderProgress::cancelOrClose);
    connect(&timer_, &QTimer::timeout, this, &RenderProgress::poll);
    clock_.start();
    timer_.start(200);
}

RenderProgress::~RenderProgress() = default;  // the job is cancelled and waited for

void RenderProgress::poll() {
    const int64_t done = job_->done(), total = job_->total();
    bar_->setValue(total > 0 ? static_cast<int>(done * kBarSteps / total) : 0);
    if (!job_->finished()) {
        // The work so far gives the time the rest takes.
        const qint64 ms = clock_.elapsed();
        if (done > 0 && ms > 1000) {
            const qint64 rest = static_cast<qint64>(double(ms) * double(total - done) / double(done) / 1000);
            const QString of = total < 10000000 ? QStringLiteral("%1 of %2 %3") : QStringLiteral("%1 of %2 million %3");
            left_->setText(QStringLiteral("About %1 left (%2)")
                               .arg(Duration(rest), of.arg(Count(done, total), Count(total, total), unit_)));
        }
        return;
    }
    timer_.stop();
    const JobOutcome& out = job_->outcome();
    QString text;
    if (out.written) {
        text = QStringLiteral("Written in %1: %2 and its parameter file %3")
                   .arg(Duration(clock_.elapsed() / 1000), path_, QString::fromStdString(out.parameterFilePath));
        if (!out.fault.empty()) text += QStringLiteral(" (ended by: %1)").arg(QString::fromStdString(out.fault));
        if (!writtenNote.isEmpty()) text += QLatin1Char('\n') + writtenNote;
    } else if (out.cancelled) {
        text = QStringLiteral("Cancelled: nothing was written.");
    } else {
        text = QStringLiteral("Not written: %1").arg(QString::fromStdString(out.error));
    }
    left_->setText(text);
    adjustSize();  // room for the longer text
    button_->setText(QStringLiteral("Close"));
    if (ended) ended(text);
}

void RenderProgress::cancelOrClose() {
    if (running()) {
        job_->cancel();
        button_->setEnabled(false);
        left_->setText(QStringLiteral("Cancelling..."));
        QTimer::singleShot(0, this, [this] { button_->setEnabled(true); });
        return;
    }
    close();
}

void RenderProgress::closeEvent(QCloseEvent* event) {
    if (running()) job_->cancel();
    event->accept();
}

}  // namespace zarvo
