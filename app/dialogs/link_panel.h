// A panel that shows a web address and opens it on a click. When the pointer
// first moves over it the text turns bold, underlined and white and the
// panel captures the pointer; when the captured pointer leaves the panel the
// text goes back to bold silver and the capture ends. A click opens the page
// in the system's web browser and leaves the text bold maroon.
#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

namespace zarvo {

class LinkPanel : public QLabel {
    Q_OBJECT
public:
    enum class Look { Idle, Hover, Visited };

    LinkPanel(const QUrl& url, const QString& text, QWidget* parent = nullptr);

    // How the page is opened; by default the system's web browser.
    std::function<bool(const QUrl&)> openUrl;

    Look look() const { return look_; }
    bool capturing() const { return capturing_; }
    const QUrl& url() const { return url_; }

signals:
    // The page could not be opened.
    void openFailed(const QUrl& url);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setLook(Look look);
    void endCapture();

    QUrl url_;
    Look look_ = Look::Idle;
    bool capturing_ = false;
};

}  // namespace zarvo
