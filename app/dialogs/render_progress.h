// The progress of a picture rendered to a file in the background: a small
// window with a progress bar, the time left and Cancel, while the user goes
// on exploring. It owns the job; closing it cancels a job still running.
// `unit` names what the job counts ("rows", "steps").
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "background_job.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace zarvo {

class RenderProgress : public QWidget {
    Q_OBJECT
public:
    RenderProgress(std::unique_ptr<BackgroundJob> job, const QString& path, const QString& unit, QWidget* parent);
    ~RenderProgress() override;

    bool running() const { return job_ && !job_->finished(); }
    // Called when the job has ended, with the text the window shows.
    std::function<void(const QString&)> ended;
    // Added to the text of a picture that was written.
    QString writtenNote;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void poll();
    void cancelOrClose();

    std::unique_ptr<BackgroundJob> job_;
    QString unit_;
    QString path_;
    QProgressBar* bar_;
    QLabel* left_;
    QPushButton* button_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace zarvo
