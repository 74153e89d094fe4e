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

}  // namespace

RenderProgress::RenderProgress(std::unique_ptr<PictureJob> job, const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Tool), job_(std::move(job)), path_(path) {
    setObjectName(QStringLiteral("RenderProgress"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Render to File - %1").arg(QFileInfo(path).fileName()));
    bar_ = new QProgressBar(this);
    bar_->setRange(0, job_->height());
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
    const int rows = job_->rowsWritten();
    bar_->setValue(rows);
    if (!job_->finished()) {
        // The rows so far give the time the rest takes.
        const qint64 ms = clock_.elapsed();
        if (rows > 0 && ms > 1000) {
            const qint64 rest = ms * (job_->height() - rows) / rows / 1000;
            left_->setText(QStringLiteral("About %1 left (%2 of %3 rows)")
                               .arg(Duration(rest))
                               .arg(rows)
                               .arg(job_->height()));
        }
        return;
    }
    timer_.stop();
    const PictureJobOutcome& out = job_->outcome();
    QString text;
    if (out.written) {
        text = QStringLiteral("Written in %1: %2 and its parameter file %3")
                   .arg(Duration(clock_.elapsed() / 1000), path_, QString::fromStdString(out.parameterFilePath));
        if (!out.fault.empty()) text += QStringLiteral(" (ended by: %1)").arg(QString::fromStdString(out.fault));
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
